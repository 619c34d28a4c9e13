#pragma once

#include <string>
#include <string_view>

namespace parsiva {

// The publisher's web site: scheme and host, no trailing slash.
inline constexpr std::string_view SiteBase = "https://www.velmora.example";

inline constexpr std::string_view HomePageId = "home-page";
inline constexpr std::string_view HelpPageId = "help-web-page";
inline constexpr std::string_view DownloadPageId = "download-web-page";
inline constexpr std::string_view DonatePageId = "donate";
inline constexpr std::string_view FullyBrandedPageId = "fully-branded";
inline constexpr std::string_view CoBrandPageId = "co-brand";
inline constexpr std::string_view SoftwaresPageId = "velmorasoftwares";
inline constexpr std::string_view ReferralPageId = "qxvs-refer-a-friend";

// SiteBase + "/parsiva/ssd.php?page=" + page id: every fixed page goes through this one script.
std::string PageAddress(std::string_view pageId);

} // namespace parsiva
