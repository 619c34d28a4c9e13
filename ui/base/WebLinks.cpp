#include "ui/base/WebLinks.h"

#include "ui/base/LaunchPages.h"
#include "ui/base/LinkLabel.h"
#include "ui/base/Program.h"
#include "ui/base/PromoStrip.h"

#include <QAction>
#include <QWidget>

namespace {
template <class Handler> void Wire(QAction* item, WebLinks* links, Handler handler) {
    if (item)
        QObject::connect(item, &QAction::triggered, links, handler);
}

template <class Handler> void Wire(LinkLabel* label, WebLinks* links, Handler handler) {
    if (label)
        QObject::connect(label, &LinkLabel::clicked, links, handler);
}
} // namespace

WebLinks::WebLinks(Program& program, QWidget* window, const WebLinkControls& controls)
    : QObject(window), m_program(program) {
    Wire(controls.help.mnuOnline, this, &WebLinks::mnuOnline_Click);
    Wire(controls.help.mnuVisit, this, &WebLinks::mnuVisit_Click);
    Wire(controls.help.mnuUpdate, this, &WebLinks::mnuUpdate_Click);
    Wire(controls.help.mnuAbout, this, &WebLinks::mnuAbout_Click);
    Wire(controls.help.mnuDonate, this, &WebLinks::mnuDonate_Click);
    Wire(controls.help.mnuMakeMoney, this, &WebLinks::mnuMakeMoney_Click);
    Wire(controls.Label61, this, &WebLinks::Label61_Click);
    if (controls.fraFullBrand) {
        Wire(controls.fraFullBrand->lblCobrand(), this, &WebLinks::lblCobrand_Click);
        Wire(controls.fraFullBrand->lblFullBrand(), this, &WebLinks::lblFullBrand_Click);
    }
    Wire(controls.Label13, this, &WebLinks::Label13_Click);
}

void WebLinks::mnuOnline_Click() {
    OpenHelpPage(m_program);
}

void WebLinks::mnuVisit_Click() {
    OpenHomePage(m_program);
}

void WebLinks::mnuUpdate_Click() {
    OpenDownloadPage(m_program);
}

void WebLinks::mnuAbout_Click() {
    m_program.moves().showAboutBox();
}

void WebLinks::mnuDonate_Click() {
    OpenDonatePage(m_program);
}

void WebLinks::mnuMakeMoney_Click() {
    OpenFullyBrandedPage(m_program);
}

void WebLinks::Label61_Click() {
    OpenHomePage(m_program);
}

void WebLinks::lblCobrand_Click() {
    OpenCoBrandPage(m_program);
}

void WebLinks::lblFullBrand_Click() {
    OpenFullyBrandedPage(m_program);
}

void WebLinks::Label13_Click() {
    OpenFullyBrandedPage(m_program);
}
