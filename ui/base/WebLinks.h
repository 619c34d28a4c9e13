#pragma once

#include <QObject>

#include <initializer_list>

class LinkLabel;
class OfferFrame;
class Program;
class QAction;
class QMenu;
class QWidget;

// The controls of one window that open a page or the About box; those it lacks stay null.
struct WebLinkControls {
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;
    LinkLabel* Label61 = nullptr;
    OfferFrame* fraFullBrand = nullptr;
    LinkLabel* Label13 = nullptr;
};

// Gives the menu's separators, from top to bottom, the names of their menu table.
void NameSeparators(QMenu& menu, std::initializer_list<const char*> names);

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
