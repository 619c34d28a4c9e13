#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parsiva {

// The settings store's section and the one key that the update reminder keeps.
inline constexpr std::string_view SettingsSection = "Settings";
inline constexpr std::string_view DurationKey = "Duration";

// A day of the proleptic Gregorian calendar.
struct CalendarDate {
    int Year = 0;
    int Month = 0; // 1 to 12
    int Day = 0;   // 1 to 31
};

// Days since 1 January 1970 (negative before it).
long long DayNumber(CalendarDate date);

// The number of days a reminder rests before it asks again, either way.
inline constexpr long long ReminderRestDays = 14;

enum class ReminderStep {
    WriteTodaySilently, // first start, or a stored text that is no date
    Nothing,            // within the rest days, either way
    AskThenWriteToday,  // the rest days are over, or the clock went back beyond them
};

// lastReset: the stored day, none when the entry is missing or cannot be read as a date.
ReminderStep DecideReminder(std::optional<CalendarDate> lastReset, CalendarDate today);

// The stored form for a locale whose own short date cannot survive the store: "yyyy-MM-dd",
// Latin digits, years 1 to 9999.
std::string IsoDateText(CalendarDate date);
// Only the text IsoDateText writes for a real day; none for anything else.
std::optional<CalendarDate> ReadIsoDate(std::string_view text);

// A date format with every year field widened to four digits ("M/d/yy" -> "M/d/yyyy"), so a
// date written by it reads back to the same day. Quoted literals stay as they are.
std::string WidenYear(std::string_view format);

} // namespace parsiva
