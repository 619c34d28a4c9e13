#include "web/UpdateReminder.h"

#include "web/LaunchPages.h"
#include "web/ReminderRule.h"
#include "web/Settings.h"
#include "web/ShortDate.h"
#include "web/WebTexts.h"
#include "workflow/Program.h"
#include "workflow/UiText.h"

#include <optional>

namespace {
std::optional<parsiva::CalendarDate> ToCalendarDate(QDate date) {
    if (!date.isValid())
        return std::nullopt;
    return parsiva::CalendarDate{date.year(), date.month(), date.day()};
}
} // namespace

void RunUpdateReminder(Program& program) {
    const QLocale locale = QLocale::system();
    const QDate today = program.services.clock.today();
    const std::string stored = ReadSetting(program, parsiva::DurationKey);
    const std::optional<parsiva::CalendarDate> lastReset =
        stored.empty() ? std::nullopt : ToCalendarDate(ReadShortDate(ToQString(stored), locale));

    switch (parsiva::DecideReminder(lastReset, {today.year(), today.month(), today.day()})) {
    case parsiva::ReminderStep::Nothing:
        return;
    case parsiva::ReminderStep::WriteTodaySilently:
        WriteSetting(program, parsiva::DurationKey, ToStdString(ShortDateText(today, locale)));
        return;
    case parsiva::ReminderStep::AskThenWriteToday:
        break;
    }
    const MessageAnswer answer = program.services.messages.show(
        nullptr, ToQString(parsiva::UpdateQuestion), MessageIcon::Information,
        MessageButtons::YesNo, ToQString(parsiva::ProgramTitle));
    // The question may stay open past midnight: the date kept is that of the moment of writing.
    const QDate answeredOn = program.services.clock.today();
    // The page opens only once the new date is kept.
    if (!WriteSetting(program, parsiva::DurationKey,
                      ToStdString(ShortDateText(answeredOn, locale))))
        return;
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage(program);
}
