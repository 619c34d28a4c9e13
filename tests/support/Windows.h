#pragma once

#include "tests/support/FakeServices.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class frmIranianAstrologyResult;
class frmMain;
class frmSave;

// The birth-details form, made by the program's own move.
frmMain* OpenMainForm(Program& program);
// The result form showing the reading of one sign.
frmIranianAstrologyResult* ShowResult(TestWorld& world, std::string_view sign);
// Ann Lee's report over the Shahrivar result form, without its modal loop.
frmSave* ShowReport(TestWorld& world);

// One window of the program, opened as the person meets it.
struct WindowCase {
    std::string label;
    std::function<QWidget*(TestWorld&)> open;
};

inline void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.label;
}

// Every window: the result form with each reading, the exit screen with each appeal; in
// English, then each once more in Persian, its label ending in "Persian".
std::vector<WindowCase> AllWindows();
// The Persian half of AllWindows().
std::vector<WindowCase> PersianWindows();
