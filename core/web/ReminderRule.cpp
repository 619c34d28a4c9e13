#include "core/web/ReminderRule.h"

namespace parsiva {

long long DayNumber(CalendarDate date) {
    // Howard Hinnant's days_from_civil: a year that starts in March puts the leap day last.
    const long long y = date.Year - (date.Month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long monthFromMarch = date.Month > 2 ? date.Month - 3 : date.Month + 9;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.Day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

ReminderStep DecideReminder(std::optional<CalendarDate> lastReset, CalendarDate today) {
    // An unreadable date starts afresh rather than silencing the reminder for good.
    if (!lastReset)
        return ReminderStep::WriteTodaySilently;
    const long long days = DayNumber(*lastReset) - DayNumber(today);
    if (days < -ReminderRestDays || days > ReminderRestDays)
        return ReminderStep::AskThenWriteToday;
    return ReminderStep::Nothing;
}

std::string WidenYear(std::string_view format) {
    std::string widened;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            quoted = !quoted;
        } else if (c == 'y' && !quoted) {
            while (i < format.size() && format[i] == 'y')
                ++i;
            widened += "yyyy";
            continue;
        }
        widened += c;
        ++i;
    }
    return widened;
}

} // namespace parsiva
