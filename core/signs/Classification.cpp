#include "core/signs/Classification.h"

#include "core/Wording.h"

namespace parsiva {

namespace {

struct MonthRule {
    std::string_view Month;
    std::int16_t Threshold;     // last day of the month that still belongs to the earlier sign
    std::string_view AfterSign; // day > Threshold
    std::string_view UpToSign;  // day <= Threshold
};

// These thresholds, not the date spans quoted in the descriptions, decide the sign;
// June's is 23 on purpose.
constexpr std::array<MonthRule, 12> MonthRules{{
    {QT_TRANSLATE_NOOP("Parsiva", "January"), 19, "Bahman", "Dey"},
    {QT_TRANSLATE_NOOP("Parsiva", "February"), 18, "Esfand", "Bahman"},
    {QT_TRANSLATE_NOOP("Parsiva", "March"), 20, "Farvardin", "Esfand"},
    {QT_TRANSLATE_NOOP("Parsiva", "April"), 20, "Ordibehesht", "Farvardin"},
    {QT_TRANSLATE_NOOP("Parsiva", "May"), 21, "Khordad", "Ordibehesht"},
    {QT_TRANSLATE_NOOP("Parsiva", "June"), 23, "Tir", "Khordad"},
    {QT_TRANSLATE_NOOP("Parsiva", "July"), 22, "Mordad", "Tir"},
    {QT_TRANSLATE_NOOP("Parsiva", "August"), 22, "Shahrivar", "Mordad"},
    {QT_TRANSLATE_NOOP("Parsiva", "September"), 22, "Mehr", "Shahrivar"},
    {QT_TRANSLATE_NOOP("Parsiva", "October"), 23, "Aban", "Mehr"},
    {QT_TRANSLATE_NOOP("Parsiva", "November"), 21, "Azar", "Aban"},
    {QT_TRANSLATE_NOOP("Parsiva", "December"), 21, "Dey", "Azar"},
}};

constexpr std::array<std::string_view, 12> MonthNameList = [] {
    std::array<std::string_view, 12> names{};
    for (std::size_t i = 0; i < MonthRules.size(); ++i) {
        names[i] = MonthRules[i].Month;
    }
    return names;
}();

} // namespace

const std::array<std::string_view, 12>& MonthNames() {
    return MonthNameList;
}

std::optional<std::string> ClassifyBirthDate(std::string_view month, std::int16_t day) {
    for (const MonthRule& rule : MonthRules) {
        if (rule.Month == month) {
            return std::string(day > rule.Threshold ? rule.AfterSign : rule.UpToSign);
        }
    }
    return std::nullopt;
}

} // namespace parsiva
