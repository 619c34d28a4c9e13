#include "core/web/PromoTexts.h"

namespace parsiva {

std::string FullBrandLabelText(const Wording& wording) {
    return FillIn(wording.Text(FullBrandInvitation), {wording.Text(FullBrandOffer)});
}

} // namespace parsiva
