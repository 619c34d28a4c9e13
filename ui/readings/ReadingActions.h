#pragma once

class Program;
class QTextEdit;
class QWidget;

// The report window's Save: asks for a file and writes BirthDetails into it.
void SaveReading(Program& program, QWidget* parent);

// The report window's Print: the whole report, never a selected part, on the default printer.
void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent);
