#pragma once

#include <QString>

#include <initializer_list>

class QAction;
class QMenu;
class QMenuBar;

// The Help menu and the bar's two offers, as the builder made them, for WebLinks to wire.
struct HelpMenuItems {
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;
};

// What differs between the menu tables of the windows that carry the Help menu.
struct HelpMenuNames {
    // The Help menu's two separators, from top to bottom.
    const char* firstSeparator = nullptr;
    const char* secondSeparator = nullptr;
    // mnuMakeMoney's caption, whose access key differs between the windows.
    QString mnuMakeMoney;
};

// Appends the Help menu, mnuDonate and mnuMakeMoney (greyed, its command kept) to the bar,
// after the window's own menus. The items belong to the bar's window, as a .ui file's would.
HelpMenuItems AddHelpMenu(QMenuBar& bar, const HelpMenuNames& names);

// Gives the menu's separators, from top to bottom, the names of their menu table.
void NameSeparators(QMenu& menu, std::initializer_list<const char*> names);
