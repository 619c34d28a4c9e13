#include "ui/web/frmAbout.h"

#include "ui_frmAbout.h"

#include "core/web/TellAFriend.h"
#include "core/web/WebTexts.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/ProgramFonts.h"
#include "ui/base/ProgramIcon.h"
#include "ui/base/UiText.h"
#include "ui/base/WindowFit.h"

frmAbout::frmAbout(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program), ui(std::make_unique<Ui::frmAbout>()) {
    UseProgramFonts(program, *this);
    ui->setupUi(this);
    setWindowTitle(ShownWindowCaption());
    setWindowIcon(ProgramIcon());
    setModal(true);
    ui->picIcon->setPixmap(ProgramIcon().pixmap(64, 64));
    ui->Label2->setText(ShownWindowCaption());
    ui->Label3->setText(Translated(parsiva::FullBrandOffer));
    ui->lblHomePage->setText(ToQString(parsiva::AboutHomePageCaption(InterfaceWording())));

    // The box opens on OK, ahead of the links that follow it in the focus order.
    ui->cmdOK->setFocus();

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
    connect(ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    FitWindowToTexts(*this);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::reject() {
    cmdOK_Click();
}

void frmAbout::lblCobrand_Click() {
    OpenFullyBrandedPage(m_program);
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage(m_program);
}
