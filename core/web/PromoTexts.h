#pragma once

#include <string_view>

namespace parsiva {

// The promotional link labels shared by the birth-details, result and report windows.
inline constexpr std::string_view Label61Text =
    "Velmora Forums is the best online discussion board for astrology, tarot and the occult on "
    "the web. Visit our site now!";
inline constexpr std::string_view lblCobrandText =
    "Want this software co-branded for your own web site? Your site's name and a link to it can "
    "be shown here, in this place. See Help for the details, or click here for more information.";
inline constexpr std::string_view lblFullBrandText =
    "Home business offer: start your own Internet business and make money online by getting this "
    "software fully branded for your web site. Click here for more details.";

} // namespace parsiva
