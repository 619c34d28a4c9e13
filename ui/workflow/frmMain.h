#pragma once

#include "core/workflow/BirthDetailsRules.h"
#include "ui/workflow/OpenReading.h"

#include <QMainWindow>

#include <memory>

class Program;
namespace Ui {
class frmMain;
}

// The birth-details window: name and birth date in, a reading out.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Program& program, QWidget* parent = nullptr);
    ~frmMain() override;

    // Checks, stores and classifies the input, shows the result form and closes this one.
    void Proceed();
    // Shows the refusal message itself; true when the input is accepted.
    bool ValidateBirthDetails();
    void bringPromotionToFront(parsiva::CoBrandFront front);
    // Puts what an accepted reading file held into the inputs and runs Proceed; a refused file
    // changes nothing and is named in the message with the reason.
    void applyOpenedReading(const OpenedReadingFile& opened);

public slots:
    void cmdProceed_Click();
    void mnuProceed_Click();
    void mnuExit_Click();
    void cmdOpen_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();

    Program& m_program;
    std::unique_ptr<Ui::frmMain> ui;
    // Set while Proceed closes this window, so the closing is a move and not an exit.
    bool m_moving = false;
};
