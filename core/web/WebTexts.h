#pragma once

#include "core/web/PromoTexts.h"

#include <cstddef>
#include <string_view>

namespace parsiva {

// The About box.
// The fully-branded offer of the link labels, without its closing invitation.
inline constexpr std::size_t AboutOfferEnd = lblFullBrandText.rfind(" Click here");
static_assert(AboutOfferEnd != std::string_view::npos, "the offer's invitation has moved");
inline constexpr std::string_view AboutOfferText = lblFullBrandText.substr(0, AboutOfferEnd);
inline constexpr std::string_view AboutHomePagePrefix = "Click here to visit ";

// The exit screen.
inline constexpr std::string_view ExitVisitPrefix = "Click Here To Visit";
inline constexpr std::string_view ExitVisitSuffix = "Now";

// One of these is drawn each time the exit screen opens.
inline constexpr std::string_view ExitAppeals[4] = {
    "Programs like this one exist only because of the support of their users. The best way to "
    "support us is to visit the Velmora Forums discussion board regularly and to take part in its "
    "discussions and activities. Thank you!",
    "Please visit the Velmora Forums discussion board regularly and support it by taking part. "
    "Without your visits we cannot go on supporting and maintaining programs like this one, so do "
    "drop by and join in today.",
    "Velmora Forums is a free online discussion forum on astrology. Visiting it regularly helps us "
    "develop and maintain this program, so please come by often.",
    "Velmora Forums needs your help! By visiting the discussion board regularly and taking part in "
    "it, you let us maintain this program and develop many more programs like it. See you there "
    "soon.",
};

inline constexpr std::string_view EmailSpaceMessage = "Email Address Cannot Contain Space";
inline constexpr std::string_view DistinctEmailsMessage = "Please Enter Distinct Email Addresses";
inline constexpr std::string_view ProperEmailMessage = "Please Enter Proper Email Address";
inline constexpr std::string_view SenderNameMessage = "Please Enter Your Name";
inline constexpr std::string_view SenderEmailMessage = "Please Enter Your Email";
inline constexpr std::string_view ReferralMessageMessage = "Please Enter Your Message";
inline constexpr std::string_view FriendNameMessage = "Please Enter Your Friend's Name";
inline constexpr std::string_view FriendEmailMessage = "Please Enter Your Friend's Email";

// The update reminder; a carriage return alone between the two sentences.
inline constexpr std::string_view UpdateQuestion =
    "There maybe an update to this software available\rDo you want to check for an update?";

} // namespace parsiva
