#include "ui/base/WebLinks.h"

#include "core/web/PromoTexts.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/LinkLabel.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
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

void ShowPromotions(LinkLabel& Label61, LinkLabel& lblCobrand, LinkLabel& lblFullBrand) {
    Label61.setText(ToQString(parsiva::Label61Text));
    lblCobrand.setText(ToQString(parsiva::lblCobrandText));
    lblFullBrand.setText(ToQString(parsiva::lblFullBrandText));
    // At a fractional scale an edge of the offers' frame that falls on half a device pixel is
    // clipped away, so the frame is drawn a pixel inside its place; and the offers, rounded
    // outwards, would paint over the frame's edge, so they leave their background to the frame
    // (the one behind is hidden, so nothing shows through).
    if (auto* frame = qobject_cast<QFrame*>(lblFullBrand.parentWidget())) {
        const int inset = frame->frameWidth() + 1;
        frame->setContentsMargins(inset, inset, inset, inset);
    }
    lblFullBrand.setAutoFillBackground(false);
    lblCobrand.setAutoFillBackground(false);
    BringOfferToFront(lblFullBrand, lblCobrand);
}

void BringOfferToFront(LinkLabel& front, LinkLabel& behind) {
    front.raise();
    front.show();
    behind.hide();
}

void NameSeparators(QMenu& menu, std::initializer_list<const char*> names) {
    auto name = names.begin();
    for (QAction* item : menu.actions()) {
        if (item->isSeparator() && name != names.end())
            item->setObjectName(QLatin1String(*name++));
    }
}

WebLinks::WebLinks(Program& program, QWidget* window, const WebLinkControls& controls)
    : QObject(window), m_program(program) {
    Wire(controls.mnuOnline, this, &WebLinks::mnuOnline_Click);
    Wire(controls.mnuVisit, this, &WebLinks::mnuVisit_Click);
    Wire(controls.mnuUpdate, this, &WebLinks::mnuUpdate_Click);
    Wire(controls.mnuAbout, this, &WebLinks::mnuAbout_Click);
    Wire(controls.mnuDonate, this, &WebLinks::mnuDonate_Click);
    Wire(controls.mnuMakeMoney, this, &WebLinks::mnuMakeMoney_Click);
    Wire(controls.Label61, this, &WebLinks::Label61_Click);
    Wire(controls.lblCobrand, this, &WebLinks::lblCobrand_Click);
    Wire(controls.lblFullBrand, this, &WebLinks::lblFullBrand_Click);
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
    m_program.moves().ShowAboutBox();
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
