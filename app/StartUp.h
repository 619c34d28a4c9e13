#pragma once

#include <QString>

#include <optional>

class Program;
class frmMain;

// Runs once before any window exists. False when another copy runs and this one must end.
// A reading file given on the command line is opened once the main form shows, as the Open
// button would open it.
bool StartUp(Program& program, const std::optional<QString>& readingPath = std::nullopt);

// Picks which of the main form's two promotional labels lies in front, once per run.
void CoBrand_Randomize(Program& program, frmMain& form);
