#include "ui/workflow/BirthDateLists.h"

#include "core/signs/Classification.h"
#include "core/workflow/BirthDetailsRules.h"
#include "ui/base/UiText.h"

#include <QComboBox>

namespace {
QString NumberText(int number, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(number);
}
} // namespace

QLocale ListLocale() {
    const QLocale interfaceLocale;
    if (interfaceLocale.language() == QLocale::Persian)
        return interfaceLocale;
    return QLocale::c();
}

QString MonthListText(int month, const QLocale& locale) {
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return ToQString(parsiva::MonthNames().at(static_cast<std::size_t>(month - 1)));
    // The Gregorian month, as the lists always were: the signs' table follows its days.
    return locale.standaloneMonthName(month, QLocale::LongFormat);
}

QString DayListText(int day, const QLocale& locale) {
    return NumberText(day, locale);
}

QString YearListText(int year, const QLocale& locale) {
    return NumberText(year, locale);
}

void FillBirthDateLists(QComboBox& cboMonth, QComboBox& cboDate, QComboBox& cboYear,
                        const QLocale& locale) {
    const auto& tokens = parsiva::MonthNames();
    for (int month = 1; month <= static_cast<int>(tokens.size()); ++month) {
        cboMonth.addItem(MonthListText(month, locale), month);
        cboMonth.setItemData(cboMonth.count() - 1,
                             ToQString(tokens[static_cast<std::size_t>(month - 1)]),
                             MonthTokenRole);
    }
    const int days = static_cast<int>(parsiva::DayListEntries().size());
    for (int day = 1; day <= days; ++day)
        cboDate.addItem(DayListText(day, locale), day);
    for (int year = parsiva::FirstYear; year <= parsiva::LastYear; ++year)
        cboYear.addItem(YearListText(year, locale), year);
}

ChosenBirthDate ChosenDate(const QComboBox& cboMonth, const QComboBox& cboDate,
                           const QComboBox& cboYear) {
    return {cboMonth.currentData(MonthNumberRole).toInt(),
            ToStdString(cboMonth.currentData(MonthTokenRole).toString()),
            cboDate.currentData(NumberRole).toInt(), cboYear.currentData(NumberRole).toInt()};
}
