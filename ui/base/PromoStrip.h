#pragma once

#include "core/workflow/BirthDetailsRules.h"
#include "ui/base/LinkLabel.h"

#include <QFrame>

// Label61: the banner for the publisher's discussion board, the same on every window that
// carries it. Promoted from a label in each window's .ui file, which gives it its name.
class DiscussionBoardLink : public LinkLabel {
    Q_OBJECT
public:
    explicit DiscussionBoardLink(QWidget* parent = nullptr);
};

// fraFullBrand: the two offers, lblFullBrand and lblCobrand, laid one over the other so that
// only the one in front is seen. Promoted from a frame in each window's .ui file, which gives
// it its name; the offers inside are named here.
class OfferFrame : public QFrame {
    Q_OBJECT
public:
    explicit OfferFrame(QWidget* parent = nullptr);

    LinkLabel* lblFullBrand() const { return m_lblFullBrand; }
    LinkLabel* lblCobrand() const { return m_lblCobrand; }

    // Puts one offer in front; LayoutOrder leaves them as they are. The covered one is also
    // hidden: it can be neither seen nor clicked, so a screen reader or the Tab key must not
    // find it either.
    void bringToFront(parsiva::CoBrandFront front);
    // The offers follow `previous` in the Tab order, fully-branded first. uic cannot see into
    // this frame, so each window's .ui file ends its Tab order at `previous` and calls this.
    void followInTabOrder(QWidget* previous);

private:
    LinkLabel* m_lblFullBrand = nullptr;
    LinkLabel* m_lblCobrand = nullptr;
};
