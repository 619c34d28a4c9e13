#include "platform/ShortDate.h"

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
