#pragma once

#include "ui/base/HelpMenu.h"

#include <QObject>

class LinkLabel;
class OfferFrame;
class Program;
class QWidget;

// The controls of one window that open a page or the About box; those it lacks stay null.
struct WebLinkControls {
    HelpMenuItems help = {};
    LinkLabel* Label61 = nullptr;
    OfferFrame* fraFullBrand = nullptr;
    LinkLabel* Label13 = nullptr;
};

// The Help menu, the bar's two offers and the promotional link labels, the same on every
// window that carries them. A child of its window, so it goes when the window goes.
class WebLinks : public QObject {
    Q_OBJECT
public:
    WebLinks(Program& program, QWidget* window, const WebLinkControls& controls);

public slots:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void Label13_Click();

private:
    Program& m_program;
};
