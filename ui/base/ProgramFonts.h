#pragma once

class Program;
class QFont;
class QWidget;

// Gives the window, and each control in it that names its own font, the program's font
// families, keeping every size and weight. Nothing changes while the program has none.
void UseProgramFonts(const Program& program, QWidget& window);

// The font with the program's families in place of its own, when the program has any.
QFont WithProgramFonts(const Program& program, QFont font);
