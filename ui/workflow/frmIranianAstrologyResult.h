#pragma once

#include "core/readings/ReportBlocks.h"
#include "core/signs/SignCatalogue.h"

#include <QMainWindow>

#include <memory>

class LinkLabel;
class Program;
class QLabel;
namespace Ui {
class frmIranianAstrologyResult;
}

// Shows one reading; from here the report opens, Back returns to a fresh birth-details form.
class frmIranianAstrologyResult : public QMainWindow {
    Q_OBJECT
public:
    explicit frmIranianAstrologyResult(Program& program, QWidget* parent = nullptr);
    ~frmIranianAstrologyResult() override;

    // Heading, season, deity and description go into lblResult(0) to lblResult(3).
    void showReading(const parsiva::ReadingResult& reading);
    QLabel* lblResult(int index) const;
    QLabel* lblLabel(int index) const;
    // The four result texts as shown, for the report.
    parsiva::ResultCaptions resultCaptions() const;

public slots:
    void cmdPrint_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuPrint_Click();
    void mnuBack_Click();
    void mnuExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();

    Program& m_program;
    std::unique_ptr<Ui::frmIranianAstrologyResult> ui;
    // A link with no caption that the layout keeps out of sight.
    LinkLabel* Label13 = nullptr;
    // Set while Back closes this window, so the closing is a move and not an exit.
    bool m_moving = false;
};
