#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

class Program;
class QKeyEvent;
namespace Ui {
class frmExitScreen;
}

// The last window of a run: a drawn appeal, the publisher's links and the refer-a-friend form.
// Closing it in any way ends the run.
class frmExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit frmExitScreen(Program& program, QWidget* parent = nullptr);
    ~frmExitScreen() override;

public slots:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void lblGoToHome_Click();
    void Check1_Click();
    void txtName_GotFocus();
    void txtEmail_GotFocus();
    void txtFriendName_GotFocus();
    void txtFriendEmail_GotFocus();
    void txtMessage_GotFocus();
    void txtName_LostFocus();
    void txtEmail_LostFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_LostFocus();
    void txtMessage_LostFocus();

public:
    // A key typed into an e-mail box; KeyAscii set to 0 discards it.
    void txtEmail_KeyPress(int& KeyAscii);
    void txtFriendEmail_KeyPress(int& KeyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void refuseSpace(QWidget* box, int& KeyAscii);
    void moveTo(QWidget* control);

    Program& m_program;
    std::unique_ptr<Ui::frmExitScreen> ui;
    // Each box's placeholder, as the box showed it when the window opened.
    QHash<const QWidget*, QString> m_placeholders;
    // The control the person last moved to; the window losing and regaining the activation
    // leaves it as it is.
    QWidget* m_current = nullptr;
};

// Creates and shows the exit screen without making it modal or taking the activation.
frmExitScreen* ShowExitScreen(Program& program);
