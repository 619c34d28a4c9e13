#pragma once

#include "workflow/ProgramVersion.h"

#include <string_view>

namespace parsiva {

// Which icon a message box carries; the windows map it onto the desktop's own.
enum class NoticeIcon { Critical, Information };

inline constexpr std::string_view ProgramTitle = "Parsiva";
inline constexpr std::string_view ProgramVersion = PARSIVA_VERSION;
inline constexpr std::string_view WindowCaption = "Parsiva v" PARSIVA_VERSION;

inline constexpr std::string_view AlreadyRunningMessage = "Application is already running";
inline constexpr std::string_view EnterYourNameMessage = "Please Enter Your Name";
// The two date messages differ on purpose: only the second has a space before the "!".
inline constexpr std::string_view WrongFebruaryDayMessage = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view WrongThirtyFirstMessage = "Please Enter Correct Date Or Month !";

} // namespace parsiva
