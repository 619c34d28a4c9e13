#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The locale's short date format with a four-digit year, so the text reads back to its day.
QString ShortDateFormat(const QLocale& locale);
QString ShortDateText(QDate date, const QLocale& locale);
// An invalid date when the text is not one that ShortDateText writes.
QDate ReadShortDate(const QString& text, const QLocale& locale);

// The update reminder's stored day: the locale's short date where that text survives the
// settings store's codec and reads back, so English and every Latin-digit locale keep it;
// elsewhere (Persian, Arabic, Bengali digits, or marks the code page lacks) "yyyy-MM-dd".
QString StoredDateText(QDate date, const QLocale& locale);
// Reads what any run wrote, whatever its locale's language: the locale's own short date, then
// "yyyy-MM-dd", then the short dates of English (United States) and of the C locale. Only a
// text exactly as that form writes it counts; an invalid date for anything else.
QDate ReadStoredDate(const QString& text, const QLocale& locale);
