#include "core/web/ReminderRule.h"

#include <cstdio>

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

std::string IsoDateText(CalendarDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

std::optional<CalendarDate> ReadIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t count) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1)
        return std::nullopt;
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    constexpr int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*day > monthDays[*month - 1] + (*month == 2 && leap ? 1 : 0))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
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
