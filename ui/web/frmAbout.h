#pragma once

#include <QDialog>

#include <memory>

class Program;
namespace Ui {
class frmAbout;
}

// The About box: fixed texts, the program's icon and two links; shown modally.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Program& program, QWidget* parent = nullptr);
    ~frmAbout() override;

public slots:
    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();
    // Esc and the close box act as OK.
    void reject() override;

private:
    Program& m_program;
    std::unique_ptr<Ui::frmAbout> ui;
};
