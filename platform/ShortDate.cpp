#include "platform/ShortDate.h"

#include "core/readings/TextCodec.h"
#include "core/web/ReminderRule.h"

namespace {
// Qt cannot read back the digits of a few scripts outside the basic plane (Chakma, Adlam);
// those locales keep their pattern but write Latin digits.
QLocale DigitsLocale(const QLocale& locale, const QString& format) {
    const QDate probe(2031, 12, 28);
    if (locale.toDate(locale.toString(probe, format), format) == probe)
        return locale;
    return QLocale::c();
}

// The day a locale's short date gives, only for the very text ShortDateText writes for it.
QDate ReadExactShortDate(const QString& text, const QLocale& locale) {
    const QDate date = ReadShortDate(text, locale);
    if (date.isValid() && ShortDateText(date, locale) == text)
        return date;
    return {};
}
} // namespace

QString ShortDateFormat(const QLocale& locale) {
    return QString::fromStdString(
        parsiva::WidenYear(locale.dateFormat(QLocale::ShortFormat).toStdString()));
}

QString ShortDateText(QDate date, const QLocale& locale) {
    const QString format = ShortDateFormat(locale);
    return DigitsLocale(locale, format).toString(date, format);
}

QDate ReadShortDate(const QString& text, const QLocale& locale) {
    const QString format = ShortDateFormat(locale);
    const QDate date = DigitsLocale(locale, format).toDate(text, format);
    // Only a day this program could have written counts: Qt also reads signed years ("-1922"),
    // which it then writes back as another text.
    if (date.isValid() && (date.year() < 1 || date.year() > 9999))
        return {};
    return date;
}

QString StoredDateText(QDate date, const QLocale& locale) {
    const QString text = ShortDateText(date, locale);
    if (parsiva::SurvivesCodec(text.toStdString()) && ReadStoredDate(text, locale) == date)
        return text;
    return QString::fromStdString(parsiva::IsoDateText({date.year(), date.month(), date.day()}));
}

QDate ReadStoredDate(const QString& text, const QLocale& locale) {
    if (const QDate own = ReadExactShortDate(text, locale); own.isValid())
        return own;
    if (const auto iso = parsiva::ReadIsoDate(text.toStdString()))
        return QDate(iso->Year, iso->Month, iso->Day);
    // The forms an English desktop writes, so a reminder moved from English to a locale whose
    // own form cannot be stored keeps its day.
    for (const QLocale& english :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
        if (const QDate date = ReadExactShortDate(text, english); date.isValid())
            return date;
    }
    return {};
}
