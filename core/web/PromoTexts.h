#pragma once

#include "core/Wording.h"

#include <string>
#include <string_view>

namespace parsiva {

// The promotional link labels shared by the birth-details, result and report windows.
inline constexpr std::string_view Label61Text = QT_TRANSLATE_NOOP(
    "Parsiva",
    "Velmora Forums is the best online discussion board for astrology, tarot and the occult on the "
    "web. Visit our site now!");
inline constexpr std::string_view lblCobrandText = QT_TRANSLATE_NOOP(
    "Parsiva",
    "Want this software co-branded for your own web site? Your site's name and a link to it can be "
    "shown here, in this place. See Help for the details, or click here for more information.");
// The fully-branded offer, which the About box shows alone and the link labels with their
// invitation after it.
inline constexpr std::string_view FullBrandOffer =
    QT_TRANSLATE_NOOP("Parsiva", "Home business offer: start your own Internet business and make "
                                 "money online by getting this software fully branded for your web "
                                 "site.");
// %1 is the offer.
inline constexpr std::string_view FullBrandInvitation =
    QT_TRANSLATE_NOOP("Parsiva", "%1 Click here for more details.");

// The offer with its invitation, as the link labels show it.
std::string FullBrandLabelText(const Wording& wording = EnglishWording());

} // namespace parsiva
