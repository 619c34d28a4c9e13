#include "core/signs/Classification.h"

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
    {"January", 19, "Bahman", "Dey"},
    {"February", 18, "Esfand", "Bahman"},
    {"March", 20, "Farvardin", "Esfand"},
    {"April", 20, "Ordibehesht", "Farvardin"},
    {"May", 21, "Khordad", "Ordibehesht"},
    {"June", 23, "Tir", "Khordad"},
    {"July", 22, "Mordad", "Tir"},
    {"August", 22, "Shahrivar", "Mordad"},
    {"September", 22, "Mehr", "Shahrivar"},
    {"October", 23, "Aban", "Mehr"},
    {"November", 21, "Azar", "Aban"},
    {"December", 21, "Dey", "Azar"},
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
