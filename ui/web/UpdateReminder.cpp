#include "ui/web/UpdateReminder.h"

#include "core/web/ReminderRule.h"
#include "core/web/WebTexts.h"
#include "platform/ShortDate.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/Program.h"
#include "ui/base/Settings.h"
#include "ui/base/UiText.h"

#include <optional>

namespace {
std::optional<parsiva::CalendarDate> ToCalendarDate(QDate date) {
    if (!date.isValid())
        return std::nullopt;
    return parsiva::CalendarDate{date.year(), date.month(), date.day()};
}
} // namespace

void RunUpdateReminder(Program& program, const QLocale& locale) {
    const QDate today = program.services.clock.today();
    const std::string stored = ReadSetting(program, parsiva::DurationKey);
    const std::optional<parsiva::CalendarDate> lastReset =
        stored.empty() ? std::nullopt : ToCalendarDate(ReadStoredDate(ToQString(stored), locale));

    switch (parsiva::DecideReminder(lastReset, {today.year(), today.month(), today.day()})) {
    case parsiva::ReminderStep::Nothing:
        return;
    case parsiva::ReminderStep::WriteTodaySilently:
        WriteSetting(program, parsiva::DurationKey, ToStdString(StoredDateText(today, locale)));
        return;
    case parsiva::ReminderStep::AskThenWriteToday:
        break;
    }
    const MessageAnswer answer = program.services.messages.show(
        nullptr, Translated(parsiva::UpdateQuestion), MessageIcon::Information,
        MessageButtons::YesNo, ShownProgramTitle());
    // The question may stay open past midnight: the date kept is that of the moment of writing.
    const QDate answeredOn = program.services.clock.today();
    // The page opens only once the new date is kept.
    if (!WriteSetting(program, parsiva::DurationKey,
                      ToStdString(StoredDateText(answeredOn, locale))))
        return;
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage(program);
}
