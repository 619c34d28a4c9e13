// Any stored "Duration" value, decoded and read as a date as the update reminder does: no
// crash, a date that reads also writes back to the same text's day, and the rule decides.
#include "core/readings/TextCodec.h"
#include "core/web/ReminderRule.h"
#include "platform/ShortDate.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stored(reinterpret_cast<const char*>(data), size);
    const std::string plain = parsiva::DecodeText(parsiva::FromWindows1252(stored));
    const QString text = QString::fromStdString(plain);
    static const QLocale locales[] = {
        QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Persian, QLocale::Iran)};
    const parsiva::CalendarDate today{2026, 12, 9};
    for (const QLocale& locale : locales) {
        const QDate date = ReadShortDate(text, locale);
        std::optional<parsiva::CalendarDate> lastReset;
        if (date.isValid()) {
            if (ReadShortDate(ShortDateText(date, locale), locale) != date)
                std::abort();
            lastReset = parsiva::CalendarDate{date.year(), date.month(), date.day()};
        }
        parsiva::DecideReminder(lastReset, today);
    }
    return 0;
}
