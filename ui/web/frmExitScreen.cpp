#include "ui/web/frmExitScreen.h"
#include "ui_frmExitScreen.h"

#include "ui/web/LaunchPages.h"
#include "ui/web/ProgramIcon.h"
#include "ui/web/SubmitReferral.h"
#include "core/web/TellAFriend.h"
#include "core/web/WebTexts.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/UiText.h"
#include "ui/workflow/WindowFit.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// A plain top-level QWidget is announced as a "filler"; the exit screen is a window.
QAccessibleInterface* ExitScreenAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("frmExitScreen") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

QString BoxText(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

void ClearPlaceholder(QWidget* box, std::string_view placeholder) {
    if (parsiva::EmptiesOnFocus(ToStdString(BoxText(box)), placeholder))
        SetBoxText(box, QString());
}

void RestorePlaceholder(QWidget* box, std::string_view placeholder) {
    if (parsiva::RestoresOnLeave(ToStdString(BoxText(box))))
        SetBoxText(box, ToQString(placeholder));
}

} // namespace

frmExitScreen::frmExitScreen(Program& program, QWidget* parent)
    : QWidget(parent), m_program(program), ui(std::make_unique<Ui::frmExitScreen>()) {
    static const bool announcedAsWindow = (QAccessible::installFactory(ExitScreenAccessible), true);
    Q_UNUSED(announcedAsWindow);
    ui->setupUi(this);
    ui->Check1->setText(ToQString(parsiva::ExitVisitCaption()));
    // Nothing lies under this link, so it takes the frame's own background.
    ui->lblGoToHome->setAutoFillBackground(false);
    ui->txtName->setText(ToQString(parsiva::SenderNamePlaceholder));
    ui->txtEmail->setText(ToQString(parsiva::SenderEmailPlaceholder));
    ui->txtFriendName->setText(ToQString(parsiva::FriendNamePlaceholder));
    ui->txtFriendEmail->setText(ToQString(parsiva::FriendEmailPlaceholder));
    ui->txtMessage->setPlainText(ToQString(parsiva::MessagePlaceholder));

    for (QWidget* box :
         {static_cast<QWidget*>(ui->txtName), static_cast<QWidget*>(ui->txtEmail),
          static_cast<QWidget*>(ui->txtFriendName), static_cast<QWidget*>(ui->txtFriendEmail),
          static_cast<QWidget*>(ui->txtMessage)})
        box->installEventFilter(this);

    connect(ui->cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    // Toggled, not clicked: clearing the box from code must come round once more, as a click.
    connect(ui->Check1, &QCheckBox::toggled, this, &frmExitScreen::Check1_Click);

    Form_Load();
    FitWindowToTexts(*this);
}

frmExitScreen::~frmExitScreen() = default;

void frmExitScreen::Form_Load() {
    setWindowTitle(ToQString(parsiva::WindowCaption));
    ui->lblExitScreenCaption->setText(ToQString(parsiva::WindowCaption));
    setWindowIcon(ProgramIcon());
    ui->picExitScreenIcon->setPixmap(ProgramIcon().pixmap(48, 48));

    m_program.services.random.seedFromClock();
    const int appeal = parsiva::AppealIndex(m_program.services.random.next());
    ui->Label2->setText(ToQString(parsiva::ExitAppeals[appeal]));

    // Above every other window, yet the user's activation stays where it is.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void frmExitScreen::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmExitScreen::Form_Unload() {
    m_program.moves().CloseAllAndEnd();
}

void frmExitScreen::cmdClose_Click() {
    m_program.moves().CloseAllAndEnd();
}

void frmExitScreen::lblGoToHome_Click() {
    OpenSoftwaresPage(m_program);
}

void frmExitScreen::Check1_Click() {
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    OpenHomePage(m_program);
}

void frmExitScreen::cmdSubmit_Click() {
    m_program.referralDetails = parsiva::TrimmedReferral(
        {ToStdString(ui->txtName->text()), ToStdString(ui->txtEmail->text()),
         ToStdString(ui->txtMessage->toPlainText()), ToStdString(ui->txtFriendName->text()),
         ToStdString(ui->txtFriendEmail->text())});
    if (const auto refusal = parsiva::CheckReferralEmails(m_program.referralDetails)) {
        ShowNotice(m_program, this, *refusal, parsiva::NoticeIcon::Critical);
        return;
    }
    SubmitReferral(m_program, this);
}

void frmExitScreen::txtName_GotFocus() {
    ClearPlaceholder(ui->txtName, parsiva::SenderNamePlaceholder);
}

void frmExitScreen::txtEmail_GotFocus() {
    ClearPlaceholder(ui->txtEmail, parsiva::SenderEmailPlaceholder);
}

void frmExitScreen::txtFriendName_GotFocus() {
    ClearPlaceholder(ui->txtFriendName, parsiva::FriendNamePlaceholder);
}

void frmExitScreen::txtFriendEmail_GotFocus() {
    ClearPlaceholder(ui->txtFriendEmail, parsiva::FriendEmailPlaceholder);
}

void frmExitScreen::txtMessage_GotFocus() {
    ClearPlaceholder(ui->txtMessage, parsiva::MessagePlaceholder);
}

void frmExitScreen::txtName_LostFocus() {
    RestorePlaceholder(ui->txtName, parsiva::SenderNamePlaceholder);
}

void frmExitScreen::txtEmail_LostFocus() {
    RestorePlaceholder(ui->txtEmail, parsiva::SenderEmailPlaceholder);
}

void frmExitScreen::txtFriendName_LostFocus() {
    RestorePlaceholder(ui->txtFriendName, parsiva::FriendNamePlaceholder);
}

void frmExitScreen::txtFriendEmail_LostFocus() {
    RestorePlaceholder(ui->txtFriendEmail, parsiva::FriendEmailPlaceholder);
}

void frmExitScreen::txtMessage_LostFocus() {
    RestorePlaceholder(ui->txtMessage, parsiva::MessagePlaceholder);
}

void frmExitScreen::txtEmail_KeyPress(int& KeyAscii) {
    RefuseSpace(ui->txtEmail, KeyAscii);
}

void frmExitScreen::txtFriendEmail_KeyPress(int& KeyAscii) {
    RefuseSpace(ui->txtFriendEmail, KeyAscii);
}

void frmExitScreen::RefuseSpace(QWidget* box, int& KeyAscii) {
    if (KeyAscii != ' ')
        return;
    KeyAscii = 0;
    ShowNotice(m_program, this, parsiva::EmailSpaceMessage, parsiva::NoticeIcon::Critical);
    box->setFocus();
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event) {
    struct Box {
        QObject* box;
        void (frmExitScreen::*gotFocus)();
        void (frmExitScreen::*lostFocus)();
        void (frmExitScreen::*keyPress)(int&);
    };
    const Box boxes[] = {
        {ui->txtName, &frmExitScreen::txtName_GotFocus, &frmExitScreen::txtName_LostFocus, nullptr},
        {ui->txtEmail, &frmExitScreen::txtEmail_GotFocus, &frmExitScreen::txtEmail_LostFocus,
         &frmExitScreen::txtEmail_KeyPress},
        {ui->txtFriendName, &frmExitScreen::txtFriendName_GotFocus,
         &frmExitScreen::txtFriendName_LostFocus, nullptr},
        {ui->txtFriendEmail, &frmExitScreen::txtFriendEmail_GotFocus,
         &frmExitScreen::txtFriendEmail_LostFocus, &frmExitScreen::txtFriendEmail_KeyPress},
        {ui->txtMessage, &frmExitScreen::txtMessage_GotFocus, &frmExitScreen::txtMessage_LostFocus,
         nullptr},
    };
    const Box* found = nullptr;
    for (const Box& candidate : boxes) {
        if (candidate.box == watched)
            found = &candidate;
    }
    if (!found)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Focus that comes and goes with the window (a message box, another program) is no
        // move between boxes.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            (this->*(event->type() == QEvent::FocusIn ? found->gotFocus : found->lostFocus))();
    } else if (event->type() == QEvent::KeyPress && found->keyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1) {
            int KeyAscii = typed.at(0).unicode();
            (this->*found->keyPress)(KeyAscii);
            if (KeyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

frmExitScreen* ShowExitScreen(Program& program) {
    auto* screen = new frmExitScreen(program);
    program.adoptWindow(screen);
    screen->show();
    return screen;
}
