#include "core/web/PageAddresses.h"

namespace parsiva {

std::string PageAddress(std::string_view pageId) {
    std::string address(SiteBase);
    address += "/parsiva/ssd.php?page=";
    address += pageId;
    return address;
}

} // namespace parsiva
