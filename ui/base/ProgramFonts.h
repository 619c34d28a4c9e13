#pragma once

class Program;
class QFont;
class QWidget;

// Gives a window the program's font families before its controls are made, so that every
// control takes them and keeps only its own size and weight: Verdana (DejaVu Sans where Verdana
// is absent), or the interface language's families.
void UseProgramFonts(const Program& program, QWidget& window);

// The font with the program's families in place of its own.
QFont WithProgramFonts(const Program& program, QFont font);
