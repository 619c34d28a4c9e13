#include "ui/web/frmExitScreen.h"

#include "ui_frmExitScreen.h"

#include "core/web/TellAFriend.h"
#include "core/web/WebTexts.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/Program.h"
#include "ui/base/ProgramFonts.h"
#include "ui/base/ProgramIcon.h"
#include "ui/base/UiText.h"
#include "ui/base/WindowFit.h"
#include "ui/web/SubmitReferral.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
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

void ClearPlaceholder(QWidget* box, const QString& placeholder) {
    if (parsiva::EmptiesOnFocus(ToStdString(BoxText(box)), ToStdString(placeholder)))
        SetBoxText(box, QString());
}

void RestorePlaceholder(QWidget* box, const QString& placeholder) {
    if (parsiva::RestoresOnLeave(ToStdString(BoxText(box))))
        SetBoxText(box, placeholder);
}

} // namespace

frmExitScreen::frmExitScreen(Program& program, QWidget* parent)
    : QWidget(parent), m_program(program), ui(std::make_unique<Ui::frmExitScreen>()) {
    static const bool announcedAsWindow = (QAccessible::installFactory(ExitScreenAccessible), true);
    Q_UNUSED(announcedAsWindow);
    UseProgramFonts(program, *this);
    ui->setupUi(this);
    ui->Check1->setText(ToQString(parsiva::ExitVisitCaption(InterfaceWording())));
    // Nothing lies under this link, so it takes the frame's own background.
    ui->lblGoToHome->setAutoFillBackground(false);
    // Each box opens with its placeholder in the interface's language; that shown text, not the
    // English one, is what marks the box as untouched.
    const QList<QWidget*> boxes{ui->txtName, ui->txtEmail, ui->txtFriendName, ui->txtFriendEmail,
                                ui->txtMessage};
    for (QWidget* box : boxes)
        m_placeholders.insert(box, BoxText(box));

    // Every control that can take the focus, to follow the person's moves between them; a press
    // on the message box lands on its viewport.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
    ui->txtMessage->viewport()->installEventFilter(this);

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
    setWindowTitle(ShownWindowCaption());
    ui->lblExitScreenCaption->setText(ShownWindowCaption());
    setWindowIcon(ProgramIcon());
    ui->picExitScreenIcon->setPixmap(ProgramIcon().pixmap(48, 48));

    m_program.services.random.seedFromClock();
    const int appeal = parsiva::AppealIndex(m_program.services.random.next());
    ui->Label2->setText(Translated(parsiva::ExitAppeals[appeal]));

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
    SubmitReferral(m_program, this,
                   {ToStdString(m_placeholders.value(ui->txtName)),
                    ToStdString(m_placeholders.value(ui->txtEmail)),
                    ToStdString(m_placeholders.value(ui->txtMessage)),
                    ToStdString(m_placeholders.value(ui->txtFriendName)),
                    ToStdString(m_placeholders.value(ui->txtFriendEmail))});
}

void frmExitScreen::txtName_GotFocus() {
    ClearPlaceholder(ui->txtName, m_placeholders.value(ui->txtName));
}

void frmExitScreen::txtEmail_GotFocus() {
    ClearPlaceholder(ui->txtEmail, m_placeholders.value(ui->txtEmail));
}

void frmExitScreen::txtFriendName_GotFocus() {
    ClearPlaceholder(ui->txtFriendName, m_placeholders.value(ui->txtFriendName));
}

void frmExitScreen::txtFriendEmail_GotFocus() {
    ClearPlaceholder(ui->txtFriendEmail, m_placeholders.value(ui->txtFriendEmail));
}

void frmExitScreen::txtMessage_GotFocus() {
    ClearPlaceholder(ui->txtMessage, m_placeholders.value(ui->txtMessage));
}

void frmExitScreen::txtName_LostFocus() {
    RestorePlaceholder(ui->txtName, m_placeholders.value(ui->txtName));
}

void frmExitScreen::txtEmail_LostFocus() {
    RestorePlaceholder(ui->txtEmail, m_placeholders.value(ui->txtEmail));
}

void frmExitScreen::txtFriendName_LostFocus() {
    RestorePlaceholder(ui->txtFriendName, m_placeholders.value(ui->txtFriendName));
}

void frmExitScreen::txtFriendEmail_LostFocus() {
    RestorePlaceholder(ui->txtFriendEmail, m_placeholders.value(ui->txtFriendEmail));
}

void frmExitScreen::txtMessage_LostFocus() {
    RestorePlaceholder(ui->txtMessage, m_placeholders.value(ui->txtMessage));
}

void frmExitScreen::txtEmail_KeyPress(int& KeyAscii) {
    refuseSpace(ui->txtEmail, KeyAscii);
}

void frmExitScreen::txtFriendEmail_KeyPress(int& KeyAscii) {
    refuseSpace(ui->txtFriendEmail, KeyAscii);
}

void frmExitScreen::refuseSpace(QWidget* box, int& KeyAscii) {
    if (KeyAscii != ' ')
        return;
    KeyAscii = 0;
    ShowNotice(m_program, this, parsiva::EmailSpaceMessage, parsiva::NoticeIcon::Critical);
    box->setFocus();
}

void frmExitScreen::moveTo(QWidget* control) {
    if (control == m_current)
        return;
    struct Box {
        QWidget* box;
        void (frmExitScreen::*gotFocus)();
        void (frmExitScreen::*lostFocus)();
    };
    const Box boxes[] = {
        {ui->txtName, &frmExitScreen::txtName_GotFocus, &frmExitScreen::txtName_LostFocus},
        {ui->txtEmail, &frmExitScreen::txtEmail_GotFocus, &frmExitScreen::txtEmail_LostFocus},
        {ui->txtFriendName, &frmExitScreen::txtFriendName_GotFocus,
         &frmExitScreen::txtFriendName_LostFocus},
        {ui->txtFriendEmail, &frmExitScreen::txtFriendEmail_GotFocus,
         &frmExitScreen::txtFriendEmail_LostFocus},
        {ui->txtMessage, &frmExitScreen::txtMessage_GotFocus, &frmExitScreen::txtMessage_LostFocus},
    };
    QWidget* left = m_current;
    m_current = control;
    for (const Box& candidate : boxes) {
        if (candidate.box == left)
            (this->*candidate.lostFocus)();
    }
    for (const Box& candidate : boxes) {
        if (candidate.box == control)
            (this->*candidate.gotFocus)();
    }
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (watched == ui->txtMessage->viewport())
        control = ui->txtMessage;
    switch (event->type()) {
    case QEvent::FocusIn:
        // Whatever the reason: focus that comes back with the window returns to the control
        // the person was in, which is no move.
        moveTo(control);
        break;
    case QEvent::MouseButtonPress:
        // A press moves the focus even where the window is not active yet, which sends no focus
        // event until the window manager, or none, activates it.
        if (control->focusPolicy() & Qt::ClickFocus)
            moveTo(control);
        break;
    case QEvent::KeyPress: {
        void (frmExitScreen::*keyPress)(int&) = nullptr;
        if (watched == ui->txtEmail)
            keyPress = &frmExitScreen::txtEmail_KeyPress;
        else if (watched == ui->txtFriendEmail)
            keyPress = &frmExitScreen::txtFriendEmail_KeyPress;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (keyPress && typed.size() == 1) {
            int KeyAscii = typed.at(0).unicode();
            (this->*keyPress)(KeyAscii);
            if (KeyAscii == 0)
                return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

frmExitScreen* ShowExitScreen(Program& program) {
    auto* screen = new frmExitScreen(program);
    program.adoptWindow(screen);
    screen->show();
    return screen;
}
