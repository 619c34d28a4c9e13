// Any stored "Duration" value, decoded and read as a date as the update reminder does: no
// crash; a date that reads is stored again as a text that survives the codec and reads back to
// the same day, in its own locale and under ISO's fallback; and the rule decides.
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
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Persian, QLocale::Iran),
                                      QLocale(QLocale::Arabic, QLocale::Egypt),
                                      QLocale(QLocale::Bengali, QLocale::Bangladesh)};
    const parsiva::CalendarDate today{2026, 12, 9};
    for (const QLocale& locale : locales) {
        const QDate date = ReadStoredDate(text, locale);
        std::optional<parsiva::CalendarDate> lastReset;
        if (date.isValid()) {
            const QString again = StoredDateText(date, locale);
            if (!parsiva::SurvivesCodec(again.toStdString()) ||
                ReadStoredDate(again, locale) != date)
                std::abort();
            lastReset = parsiva::CalendarDate{date.year(), date.month(), date.day()};
        }
        parsiva::DecideReminder(lastReset, today);
    }
    return 0;
}
