#pragma once

class Program;
class frmMain;

// Runs once before any window exists. False when another copy runs and this one must end.
bool StartUp(Program& program);

// Picks which of the main form's two promotional labels lies in front, once per run.
void CoBrand_Randomize(Program& program, frmMain& form);

// Creates, shows and returns a fresh birth-details form.
frmMain* ShowMainForm(Program& program);

// A workflow window is closing otherwise than by a move to the other one.
void RunExitPath(Program& program);

// Closes every open window in the order they were opened, then ends the process.
void CloseAllAndEnd(Program& program);
