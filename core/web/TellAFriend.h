#pragma once

#include "core/Wording.h"
#include "core/web/ReferralDetails.h"

#include <optional>
#include <string>
#include <string_view>

namespace parsiva {

// Each box of the refer-a-friend form starts with its placeholder, which counts as not filled.
inline constexpr std::string_view SenderNamePlaceholder = "Your Name";
inline constexpr std::string_view SenderEmailPlaceholder = "Your Email Address";
inline constexpr std::string_view FriendNamePlaceholder = "Friend's Name";
inline constexpr std::string_view FriendEmailPlaceholder = "Friend's Email Address";
inline constexpr std::string_view MessagePlaceholder = "Your Message";

// The boxes' texts as typed, each trimmed of outer spaces.
ReferralDetails TrimmedReferral(const ReferralDetails& typed);

// The submit button's own checks of the two e-mail texts; the message of the first that fails.
std::optional<std::string_view> CheckReferralEmails(const ReferralDetails& details);

// The five English placeholders, field by field.
ReferralDetails EnglishPlaceholders();

// The checks before a referral goes out: a field fails when empty or still its placeholder, as
// the form showed it (placeholders field by field), or the English one.
std::optional<std::string_view> CheckReferralDetails(const ReferralDetails& details,
                                                     const ReferralDetails& placeholders);
std::optional<std::string_view> CheckReferralDetails(const ReferralDetails& details);

// Percent-encodes UTF-8 for a query value: only letters, digits and "-._~:@/" stay as they are.
std::string PercentEncode(std::string_view utf8);

// The referral page with the five values and this program's page as taf1 to taf6.
std::string BuildReferralAddress(const ReferralDetails& details);

// A box holding its placeholder (outer spaces aside) is emptied when it takes the focus.
bool EmptiesOnFocus(std::string_view text, std::string_view placeholder);
// A box left empty or all spaces gets its placeholder back when it loses the focus.
bool RestoresOnLeave(std::string_view text);

// Which of the four appeals the exit screen shows for a draw 0 <= r < 1.
int AppealIndex(float r);

// "Click Here To Visit <site> Now" for the exit screen's check box.
std::string ExitVisitCaption(const Wording& wording = EnglishWording());
// "Click here to visit <site>" for the About box.
std::string AboutHomePageCaption(const Wording& wording = EnglishWording());

} // namespace parsiva
