#include "core/web/TellAFriend.h"

#include "core/web/PageAddresses.h"
#include "core/web/WebTexts.h"
#include "core/workflow/TrimSpaces.h"

#include <algorithm>

namespace parsiva {

namespace {

bool Missing(std::string_view field, std::string_view placeholder) {
    return field.empty() || field == placeholder;
}

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == ':' || c == '@' || c == '/';
}

} // namespace

ReferralDetails TrimmedReferral(const ReferralDetails& typed) {
    return {std::string(TrimSpaces(typed.SenderName)), std::string(TrimSpaces(typed.SenderEmail)),
            std::string(TrimSpaces(typed.Message)), std::string(TrimSpaces(typed.FriendName)),
            std::string(TrimSpaces(typed.FriendEmail))};
}

std::optional<std::string_view> CheckReferralEmails(const ReferralDetails& details) {
    const std::string& sender = details.SenderEmail;
    const std::string& friendEmail = details.FriendEmail;
    if (sender == friendEmail)
        return DistinctEmailsMessage;
    // Both characters anywhere will do: "." before "@" passes.
    for (char required : {'@', '.'}) {
        if (sender.find(required) == std::string::npos ||
            friendEmail.find(required) == std::string::npos)
            return ProperEmailMessage;
    }
    return std::nullopt;
}

ReferralDetails EnglishPlaceholders() {
    return {std::string(SenderNamePlaceholder), std::string(SenderEmailPlaceholder),
            std::string(MessagePlaceholder), std::string(FriendNamePlaceholder),
            std::string(FriendEmailPlaceholder)};
}

std::optional<std::string_view> CheckReferralDetails(const ReferralDetails& details,
                                                     const ReferralDetails& placeholders) {
    if (Missing(details.SenderName, placeholders.SenderName))
        return SenderNameMessage;
    if (Missing(details.SenderEmail, placeholders.SenderEmail))
        return SenderEmailMessage;
    if (Missing(details.Message, placeholders.Message))
        return ReferralMessageMessage;
    if (Missing(details.FriendName, placeholders.FriendName))
        return FriendNameMessage;
    if (Missing(details.FriendEmail, placeholders.FriendEmail))
        return FriendEmailMessage;
    return std::nullopt;
}

std::optional<std::string_view> CheckReferralDetails(const ReferralDetails& details) {
    return CheckReferralDetails(details, EnglishPlaceholders());
}

std::string PercentEncode(std::string_view utf8) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(utf8.size());
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += Hex[c >> 4];
            encoded += Hex[c & 0x0F];
        }
    }
    return encoded;
}

std::string BuildReferralAddress(const ReferralDetails& details) {
    // Typed text is encoded so that "&", "=", "#" or "+" in it cannot reshape the query.
    std::string address = PageAddress(ReferralPageId);
    address += "&taf1=" + PercentEncode(details.SenderName);
    address += "&taf2=" + PercentEncode(details.SenderEmail);
    address += "&taf3=" + PercentEncode(details.Message);
    address += "&taf4=" + PercentEncode(details.FriendName);
    address += "&taf5=" + PercentEncode(details.FriendEmail);
    address += "&taf6=" + PercentEncode(std::string(SiteBase) + "/parsiva/");
    return address;
}

bool EmptiesOnFocus(std::string_view text, std::string_view placeholder) {
    return TrimSpaces(text) == placeholder;
}

bool RestoresOnLeave(std::string_view text) {
    return TrimSpaces(text).empty();
}

int AppealIndex(float r) {
    return std::clamp(static_cast<int>(r * 4), 0, 3);
}

std::string ExitVisitCaption(const Wording& wording) {
    return FillIn(wording.Text(ExitVisitPattern), {SiteBase});
}

std::string AboutHomePageCaption(const Wording& wording) {
    return FillIn(wording.Text(AboutHomePagePattern), {SiteBase});
}

} // namespace parsiva
