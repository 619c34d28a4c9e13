#include "ui/base/PromoStrip.h"

#include "core/web/PromoTexts.h"
#include "ui/base/UiText.h"

#include <QStackedLayout>

namespace {

LinkLabel* AddOffer(QStackedLayout& stack, const char* name) {
    auto* offer = new LinkLabel(stack.parentWidget());
    offer->setObjectName(QLatin1String(name));
    offer->setMargin(6);
    // Rounded outwards, an opaque offer would paint over the frame's edge; the one behind is
    // hidden, so nothing shows through.
    offer->setAutoFillBackground(false);
    stack.addWidget(offer);
    return offer;
}

void BringOfferToFront(LinkLabel& front, LinkLabel& behind) {
    front.raise();
    front.show();
    behind.hide();
}

} // namespace

DiscussionBoardLink::DiscussionBoardLink(QWidget* parent) : LinkLabel(parent) {
    setText(Translated(parsiva::Label61Text));
    setAccessibleDescription(tr("Discussion board"));
}

OfferFrame::OfferFrame(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    // At a fractional scale an edge that falls on half a device pixel is clipped away, so the
    // frame is drawn a pixel inside its place.
    const int inset = frameWidth() + 1;
    setContentsMargins(inset, inset, inset, inset);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* stack = new QStackedLayout(this);
    stack->setObjectName(QStringLiteral("brandLayout"));
    stack->setStackingMode(QStackedLayout::StackAll);
    m_lblFullBrand = AddOffer(*stack, "lblFullBrand");
    m_lblCobrand = AddOffer(*stack, "lblCobrand");
    m_lblFullBrand->setAccessibleDescription(tr("Fully branded offer"));
    m_lblCobrand->setAccessibleDescription(tr("Co-brand offer"));
    m_lblCobrand->setText(Translated(parsiva::lblCobrandText));
    m_lblFullBrand->setText(ToQString(parsiva::FullBrandLabelText(InterfaceWording())));
    // Until something reorders them, the fully-branded offer is the one seen.
    bringToFront(parsiva::CoBrandFront::FullBrand);
}

void OfferFrame::bringToFront(parsiva::CoBrandFront front) {
    if (front == parsiva::CoBrandFront::Cobrand)
        BringOfferToFront(*m_lblCobrand, *m_lblFullBrand);
    else if (front == parsiva::CoBrandFront::FullBrand)
        BringOfferToFront(*m_lblFullBrand, *m_lblCobrand);
}

void OfferFrame::followInTabOrder(QWidget* previous) {
    QWidget::setTabOrder(previous, m_lblFullBrand);
    QWidget::setTabOrder(m_lblFullBrand, m_lblCobrand);
}
