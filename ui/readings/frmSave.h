#pragma once

#include "core/readings/ReportBlocks.h"

#include <QDialog>

#include <memory>

class Program;
class QTextEdit;
namespace Ui {
class frmSave;
}

// The report window: the current reading as a formatted report, to save or print. Modal over
// the result form, whose result captions it is given.
class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(Program& program, QWidget& resultForm, const parsiva::ResultCaptions& captions);
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
    parsiva::ResultCaptions m_captions;
    std::unique_ptr<Ui::frmSave> ui;
};
