#include "ui/workflow/frmMain.h"

#include "ui_frmMain.h"

#include "core/readings/ReadingTexts.h"
#include "core/signs/Classification.h"
#include "ui/base/HelpMenu.h"
#include "ui/base/Program.h"
#include "ui/base/ProgramFonts.h"
#include "ui/base/PromoStrip.h"
#include "ui/base/UiText.h"
#include "ui/base/WebLinks.h"
#include "ui/base/WindowFit.h"
#include "ui/workflow/BirthDateLists.h"
#include "ui/workflow/OpenReading.h"

#include <QCloseEvent>
#include <QKeyEvent>

frmMain::frmMain(Program& program, QWidget* parent)
    : QMainWindow(parent), m_program(program), ui(std::make_unique<Ui::frmMain>()) {
    UseProgramFonts(program, *this);
    ui->setupUi(this);
    setWindowTitle(ShownWindowCaption());
    ui->fraFullBrand->followInTabOrder(ui->Label61);
    // The button shares its access key with the File menu, and Qt would alternate between the
    // two on each Alt+F. As in a menu bar, Alt+F opens the menu, whose first entry is Find; the
    // button keeps its underlined F.
    ui->cmdProceed->setShortcut(QKeySequence());
    NameSeparators(*ui->mnuFile, {"mnuSep1"});
    const HelpMenuItems help =
        AddHelpMenu(*ui->menubar, {.firstSeparator = "mnuSep2",
                                   .secondSeparator = "mnuSep3",
                                   .mnuMakeMoney = tr("&Make Money Online")});

    connect(ui->cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(ui->mnuProceed, &QAction::triggered, this, &frmMain::mnuProceed_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    new WebLinks(program, this,
                 {.help = help, .Label61 = ui->Label61, .fraFullBrand = ui->fraFullBrand});

    Form_Load();
    FitWindowToTexts(*this);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    FillBirthDateLists(*ui->cboMonth, *ui->cboDate, *ui->cboYear);
    ui->cboMonth->setCurrentIndex(0);
    ui->cboDate->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
    ui->txtName->setFocus();
}

void frmMain::bringPromotionToFront(parsiva::CoBrandFront front) {
    ui->fraFullBrand->bringToFront(front);
}

bool frmMain::ValidateBirthDetails() {
    const ChosenBirthDate date = ChosenDate(*ui->cboMonth, *ui->cboDate, *ui->cboYear);
    const auto refusal = parsiva::ValidateBirthDetails(ToStdString(ui->txtName->text()),
                                                       date.Month - 1, date.Day - 1, date.Year);
    if (!refusal)
        return true;
    ShowNotice(m_program, this, refusal->Message, refusal->Icon);
    if (refusal->FocusName)
        ui->txtName->setFocus();
    return false;
}

void frmMain::Proceed() {
    if (!ValidateBirthDetails())
        return;
    // The lists' data, never their shown text, which follows the interface's language.
    const ChosenBirthDate date = ChosenDate(*ui->cboMonth, *ui->cboDate, *ui->cboYear);
    parsiva::RecordProceed(m_program.birthDetails, m_program.readingResult,
                           ToStdString(ui->txtName->text()), std::to_string(date.Day),
                           date.MonthToken, std::to_string(date.Year));

    m_program.moves().showResultForm();

    m_moving = true;
    close();
}

void frmMain::cmdProceed_Click() {
    Proceed();
}

void frmMain::mnuProceed_Click() {
    cmdProceed_Click();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::cmdOpen_Click() {
    if (const auto opened = OpenReading(m_program, this))
        applyOpenedReading(*opened);
}

void frmMain::applyOpenedReading(const OpenedReadingFile& opened) {
    // A refused file leaves the form as it was: only a whole, matching reading fills it.
    if (!opened.accepted()) {
        ShowNotice(m_program, this, parsiva::CheckTheFileMessage, parsiva::NoticeIcon::Critical,
                   FileProblem(opened.path, opened.problem));
        return;
    }
    ui->txtName->setText(ToQString(opened.read->Name));
    ui->cboMonth->setCurrentIndex(*opened.read->MonthIndex);
    ui->cboDate->setCurrentIndex(*opened.read->DayIndex);
    ui->cboYear->setCurrentIndex(*opened.read->YearIndex);
    Proceed();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // Find is drawn as the default button, but outside a dialog Qt gives Enter to no button: the
    // name box and the closed lists pass it on to the window, which runs Find for them.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const QWidget* from = focusWidget();
    if (enter && plain &&
        (from == ui->txtName || from == ui->cboMonth || from == ui->cboDate ||
         from == ui->cboYear)) {
        event->accept();
        cmdProceed_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    if (!m_moving)
        m_program.moves().runExitPath();
}
