#include "core/readings/ReportBlocks.h"

#include "core/web/PageAddresses.h"

namespace parsiva {

namespace {
constexpr std::string_view LineBreak = "\r\n";

std::string Repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}
} // namespace

RunLook LookOf(RunStyle style) {
    if (style == RunStyle::Label) {
        return {true, {0, 128, 128}};
    }
    return {false, {0, 0, 0}};
}

std::string CreditLine(const Wording& wording) {
    return FillIn(wording.Text(CreditPattern), {SiteBase});
}

std::vector<ReportRun> ComposeReport(const BirthDetails& details, const ResultCaptions& captions,
                                     const Wording& wording) {
    const std::string dateOfBirth = FillIn(
        wording.Text(DateOfBirthPattern),
        {wording.Text(details.Month), wording.Number(details.Day), wording.Year(details.Year)});
    const std::array<std::string, 6> values = {
        details.Name, dateOfBirth, captions[0], captions[1], captions[2], captions[3],
    };
    const std::string credit = CreditLine(wording) + Repeated(LineBreak, 2);
    std::vector<ReportRun> runs;
    runs.reserve(values.size() * 3);
    for (std::size_t block = 0; block < values.size(); ++block) {
        runs.push_back({RunStyle::Label, wording.Text(ReportLabels[block])});
        runs.push_back({RunStyle::Body, values[block] + Repeated(LineBreak, 3)});
        runs.push_back({RunStyle::Body, credit});
    }
    return runs;
}

} // namespace parsiva
