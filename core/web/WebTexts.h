#pragma once

#include "core/web/PromoTexts.h"

#include <string_view>

namespace parsiva {

// The About box's link to the home page and the exit screen's check box; %1 is the site.
inline constexpr std::string_view AboutHomePagePattern =
    QT_TRANSLATE_NOOP("Parsiva", "Click here to visit %1");
inline constexpr std::string_view ExitVisitPattern =
    QT_TRANSLATE_NOOP("Parsiva", "Click Here To Visit %1 Now");

// One of these is drawn each time the exit screen opens.
inline constexpr std::string_view ExitAppeals[4] = {
    QT_TRANSLATE_NOOP(
        "Parsiva",
        "Programs like this one exist only because of the support of their users. The best way to "
        "support us is to visit the Velmora Forums discussion board regularly and to take part in "
        "its discussions and activities. Thank you!"),
    QT_TRANSLATE_NOOP(
        "Parsiva",
        "Please visit the Velmora Forums discussion board regularly and support it by taking part. "
        "Without your visits we cannot go on supporting and maintaining programs like this one, so "
        "do drop by and join in today."),
    QT_TRANSLATE_NOOP("Parsiva",
                      "Velmora Forums is a free online discussion forum on astrology. Visiting it "
                      "regularly helps us develop and maintain this program, so please come by "
                      "often."),
    QT_TRANSLATE_NOOP("Parsiva",
                      "Velmora Forums needs your help! By visiting the discussion board regularly "
                      "and taking part in it, you let us maintain this program and develop many "
                      "more programs like it. See you there soon."),
};

inline constexpr std::string_view EmailSpaceMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Email Address Cannot Contain Space");
inline constexpr std::string_view DistinctEmailsMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Distinct Email Addresses");
inline constexpr std::string_view ProperEmailMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Proper Email Address");
inline constexpr std::string_view SenderNameMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Name");
inline constexpr std::string_view SenderEmailMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Email");
inline constexpr std::string_view ReferralMessageMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Message");
inline constexpr std::string_view FriendNameMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Friend's Name");
inline constexpr std::string_view FriendEmailMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Friend's Email");

// The update reminder; a carriage return alone between the two sentences.
inline constexpr std::string_view UpdateQuestion = QT_TRANSLATE_NOOP(
    "Parsiva",
    "There maybe an update to this software available\rDo you want to check for an update?");

} // namespace parsiva
