#include "tests/support/Windows.h"

#include "core/signs/SignCatalogue.h"
#include "ui/readings/frmSave.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

frmMain* OpenMainForm(Program& program) {
    program.moves().showMainForm();
    return program.newestWindow<frmMain>();
}

frmIranianAstrologyResult* ShowResult(TestWorld& world, std::string_view sign) {
    auto* result = new frmIranianAstrologyResult(world.program);
    world.program.adoptWindow(result);
    result->showReading(*parsiva::ComposeReading(sign));
    result->show();
    return result;
}

frmSave* ShowReport(TestWorld& world) {
    world.program.birthDetails = {"Ann Lee", 23, "August", 1975};
    auto* result = ShowResult(world, "Shahrivar");
    auto* report = new frmSave(world.program, *result, result->resultCaptions());
    world.program.adoptWindow(report);
    report->show();
    return report;
}

namespace {

std::vector<WindowCase> EnglishWindows() {
    std::vector<WindowCase> cases{
        {"BirthDetails", [](TestWorld& world) -> QWidget* { return OpenMainForm(world.program); }},
        {"Report", [](TestWorld& world) -> QWidget* { return ShowReport(world); }},
        {"About",
         [](TestWorld& world) -> QWidget* {
             auto* about = new frmAbout(world.program);
             world.program.adoptWindow(about);
             about->show();
             return about;
         }},
    };
    // Every reading, since the description keeps one fixed box for all of them.
    for (const parsiva::SignRecord& sign : parsiva::SignCatalogue())
        cases.push_back({"Result" + std::string(sign.PersianName),
                         [name = std::string(sign.PersianName)](TestWorld& world) -> QWidget* {
                             return ShowResult(world, name);
                         }});
    // Every appeal the exit screen can draw.
    for (int appeal = 0; appeal < 4; ++appeal)
        cases.push_back(
            {"ExitScreenAppeal" + std::to_string(appeal), [appeal](TestWorld& world) -> QWidget* {
                 world.random.values = {(appeal + 0.5f) / 4.0f};
                 return ShowExitScreen(world.program);
             }});
    return cases;
}

} // namespace

std::vector<WindowCase> PersianWindows() {
    std::vector<WindowCase> cases;
    for (const WindowCase& english : EnglishWindows())
        cases.push_back({english.label + "Persian", [open = english.open](TestWorld& world) {
                             world.speak(InterfaceLanguage::Persian);
                             return open(world);
                         }});
    return cases;
}

std::vector<WindowCase> AllWindows() {
    std::vector<WindowCase> cases = EnglishWindows();
    for (WindowCase& persian : PersianWindows())
        cases.push_back(std::move(persian));
    return cases;
}
