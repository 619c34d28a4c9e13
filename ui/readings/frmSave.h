#pragma once

#include <QDialog>

#include <memory>

class Program;
class QTextEdit;
class frmIranianAstrologyResult;
namespace Ui {
class frmSave;
}

// The report window: the current reading as a formatted report, to save or print. Modal over
// the result form, whose result fields it reads when it loads.
class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(Program& program, frmIranianAstrologyResult& resultForm);
    ~frmSave() override;

    QTextEdit* richTextBox() const;

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void RTB_Change();
    void RTB_Click();
    void RTB_MouseDown();
    void RTB_MouseMove();
    void RTB_MouseUp();

    Program& m_program;
    frmIranianAstrologyResult& m_resultForm;
    std::unique_ptr<Ui::frmSave> ui;
};
