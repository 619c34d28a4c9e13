#include "ui/workflow/frmIranianAstrologyResult.h"

#include "ui_frmIranianAstrologyResult.h"

#include "ui/base/HelpMenu.h"
#include "ui/base/LinkLabel.h"
#include "ui/base/Program.h"
#include "ui/base/ProgramFonts.h"
#include "ui/base/PromoStrip.h"
#include "ui/base/UiText.h"
#include "ui/base/WebLinks.h"
#include "ui/base/WindowFit.h"

#include <QCloseEvent>

#include <algorithm>

namespace {

constexpr int DescriptionWidth = 500;

// The height of the longest description of the catalogue, wrapped as the box wraps it.
int TallestDescription(QLabel& box, int width) {
    box.ensurePolished();
    QLabel probe;
    probe.setFont(box.font());
    probe.setWordWrap(true);
    int tallest = 0;
    for (const parsiva::SignRecord& sign : parsiva::SignCatalogue()) {
        probe.setText(Translated(sign.Description));
        tallest = std::max(tallest, probe.heightForWidth(width));
    }
    return tallest;
}

} // namespace

frmIranianAstrologyResult::frmIranianAstrologyResult(Program& program, QWidget* parent)
    : QMainWindow(parent), m_program(program),
      ui(std::make_unique<Ui::frmIranianAstrologyResult>()) {
    UseProgramFonts(program, *this);
    ui->setupUi(this);
    setWindowTitle(ShownWindowCaption());
    // The offers follow the banner in the Tab order. Nothing reorders them here: the
    // fully-branded one is always the one seen.
    ui->fraFullBrand->followInTabOrder(ui->Label61);
    NameSeparators(*ui->mnuFile, {"mnuFileSep1"});
    const HelpMenuItems help =
        AddHelpMenu(*ui->menubar, {.firstSeparator = "mnuHelpSep1",
                                   .secondSeparator = "mnuHelpSep2",
                                   .mnuMakeMoney = tr("Make Money &Online")});
    // The description keeps one fixed box that holds any reading, so the window never changes.
    ui->lblResult_3->setFixedSize(DescriptionWidth,
                                  TallestDescription(*ui->lblResult_3, DescriptionWidth));
    FitWindowToTexts(*this);

    Label13 = new LinkLabel(ui->centralwidget);
    Label13->setObjectName(QStringLiteral("Label13"));
    PlaceByHand(*Label13, QRect(335, 448, 5, 13));
    Label13->hide();

    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmIranianAstrologyResult::cmdPrint_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmIranianAstrologyResult::cmdBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmIranianAstrologyResult::cmdExit_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmIranianAstrologyResult::mnuPrint_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmIranianAstrologyResult::mnuBack_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmIranianAstrologyResult::mnuExit_Click);
    new WebLinks(program, this,
                 {.help = help,
                  .Label61 = ui->Label61,
                  .fraFullBrand = ui->fraFullBrand,
                  .Label13 = Label13});
}

frmIranianAstrologyResult::~frmIranianAstrologyResult() = default;

QLabel* frmIranianAstrologyResult::lblResult(int index) const {
    QLabel* const results[] = {ui->lblResult_0, ui->lblResult_1, ui->lblResult_2, ui->lblResult_3};
    return results[index];
}

QLabel* frmIranianAstrologyResult::lblLabel(int index) const {
    QLabel* const headings[] = {ui->lblLabel_0, ui->lblLabel_1, ui->lblLabel_2};
    return headings[index];
}

parsiva::ResultCaptions frmIranianAstrologyResult::resultCaptions() const {
    parsiva::ResultCaptions captions;
    for (int i = 0; i < 4; ++i)
        captions[static_cast<std::size_t>(i)] = ToStdString(lblResult(i)->text());
    return captions;
}

void frmIranianAstrologyResult::showReading(const parsiva::ReadingResult& reading) {
    lblResult(0)->setText(Translated(reading.Heading));
    lblResult(1)->setText(Translated(reading.Season));
    lblResult(2)->setText(Translated(reading.Deity));
    lblResult(3)->setText(Translated(reading.Description));
}

void frmIranianAstrologyResult::cmdPrint_Click() {
    m_program.moves().showReport(*this, resultCaptions());
}

void frmIranianAstrologyResult::cmdBack_Click() {
    m_moving = true;
    close();
    m_program.moves().showMainForm();
}

void frmIranianAstrologyResult::cmdExit_Click() {
    close();
}

void frmIranianAstrologyResult::mnuPrint_Click() {
    cmdPrint_Click();
}

void frmIranianAstrologyResult::mnuBack_Click() {
    cmdBack_Click();
}

void frmIranianAstrologyResult::mnuExit_Click() {
    cmdExit_Click();
}

void frmIranianAstrologyResult::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmIranianAstrologyResult::Form_Unload() {
    if (!m_moving)
        m_program.moves().runExitPath();
}
