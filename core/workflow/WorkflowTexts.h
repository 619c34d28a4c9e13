#pragma once

#include "core/ProgramIdentity.h"
#include "core/Wording.h"

#include <string_view>

namespace parsiva {

// Which icon a message box carries; the windows map it onto the desktop's own.
enum class NoticeIcon { Critical, Information };

// The title as a person reads it, and the windows' caption: %1 is the title, %2 the version.
inline constexpr std::string_view ShownTitle = QT_TRANSLATE_NOOP("Parsiva", "Parsiva");
static_assert(ShownTitle == ProgramTitle, "the project's name is the title people read");
inline constexpr std::string_view CaptionPattern = QT_TRANSLATE_NOOP("Parsiva", "%1 v%2");

inline constexpr std::string_view AlreadyRunningMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Application is already running");
inline constexpr std::string_view EnterYourNameMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Your Name");
// The two date messages differ on purpose: only the second has a space before the "!".
inline constexpr std::string_view WrongFebruaryDayMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Correct Date Or Month!");
inline constexpr std::string_view WrongThirtyFirstMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Enter Correct Date Or Month !");

} // namespace parsiva
