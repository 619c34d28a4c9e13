#pragma once

#include "ui/base/Moves.h"

class Program;

// The moves as the shipped windows make them; whoever creates a Program installs them with
// UseWindowMoves.
class WindowMoves final : public Moves {
public:
    explicit WindowMoves(Program& program) : m_program(program) {}

    void showResultForm() override;
    void showMainForm() override;
    void showReport(QWidget& resultWindow, const parsiva::ResultCaptions& captions) override;
    void showAboutBox() override;
    void runExitPath() override;
    void CloseAllAndEnd() override;

private:
    Program& m_program;
};

// Gives the program the shipped windows' moves.
void UseWindowMoves(Program& program);
