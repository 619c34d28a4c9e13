#pragma once

#include <QLocale>
#include <QString>

#include <string>

class QComboBox;

// Item data of the birth-date lists: what the rules and the reading file receive, whatever
// language the lists are shown in.
inline constexpr int MonthNumberRole = Qt::UserRole;    // 1 to 12
inline constexpr int MonthTokenRole = Qt::UserRole + 1; // "January" to "December"
inline constexpr int NumberRole = Qt::UserRole;         // the day or the year

// The locale whose month names and digits the lists show: the interface's, which start-up sets
// as the default locale, where Parsiva has an interface in its language (Persian); otherwise
// the C locale, whose texts are the English tokens and Latin digits.
QLocale ListLocale();

// What each list shows for an entry: the one place its texts come from. Years have no group
// separator.
QString MonthListText(int month, const QLocale& locale);
QString DayListText(int day, const QLocale& locale);
QString YearListText(int year, const QLocale& locale);

// Fills the month, day and year lists with their entries, each with its data.
void FillBirthDateLists(QComboBox& cboMonth, QComboBox& cboDate, QComboBox& cboYear,
                        const QLocale& locale = ListLocale());

// The entries the three lists have selected, read from their data.
struct ChosenBirthDate {
    int Month = 0; // 1 to 12
    std::string MonthToken;
    int Day = 0;
    int Year = 0;
};
ChosenBirthDate ChosenDate(const QComboBox& cboMonth, const QComboBox& cboDate,
                           const QComboBox& cboYear);
