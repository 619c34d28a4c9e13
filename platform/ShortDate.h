#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The locale's short date format with a four-digit year, so the text reads back to its day.
QString ShortDateFormat(const QLocale& locale);
QString ShortDateText(QDate date, const QLocale& locale);
// An invalid date when the text is not one that ShortDateText writes.
QDate ReadShortDate(const QString& text, const QLocale& locale);
