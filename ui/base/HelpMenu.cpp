#include "ui/base/HelpMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* AddItem(QWidget& window, const char* name, const QString& text) {
    auto* item = new QAction(&window);
    item->setObjectName(QLatin1String(name));
    item->setText(text);
    return item;
}

} // namespace

HelpMenuItems AddHelpMenu(QMenuBar& bar, const HelpMenuNames& names) {
    QWidget& window = *bar.window();
    HelpMenuItems items;
    items.mnuOnline =
        AddItem(window, "mnuOnline", QCoreApplication::translate("HelpMenu", "&Online Help"));
    items.mnuVisit =
        AddItem(window, "mnuVisit", QCoreApplication::translate("HelpMenu", "&Visit Us Online"));
    items.mnuUpdate = AddItem(
        window, "mnuUpdate", QCoreApplication::translate("HelpMenu", "Check for Software &Update"));
    items.mnuAbout =
        AddItem(window, "mnuAbout", QCoreApplication::translate("HelpMenu", "&About Software"));
    items.mnuDonate =
        AddItem(window, "mnuDonate", QCoreApplication::translate("HelpMenu", "&Donate"));
    items.mnuMakeMoney = AddItem(window, "mnuMakeMoney", names.mnuMakeMoney);
    items.mnuMakeMoney->setEnabled(false);

    items.mnuHelp = new QMenu(&bar);
    items.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    items.mnuHelp->setTitle(QCoreApplication::translate("HelpMenu", "&Help"));
    bar.addAction(items.mnuHelp->menuAction());
    bar.addAction(items.mnuDonate);
    bar.addAction(items.mnuMakeMoney);

    items.mnuHelp->addAction(items.mnuOnline);
    items.mnuHelp->addAction(items.mnuVisit);
    items.mnuHelp->addSeparator();
    items.mnuHelp->addAction(items.mnuUpdate);
    items.mnuHelp->addSeparator();
    items.mnuHelp->addAction(items.mnuAbout);
    NameSeparators(*items.mnuHelp, {names.firstSeparator, names.secondSeparator});
    return items;
}

void NameSeparators(QMenu& menu, std::initializer_list<const char*> names) {
    auto name = names.begin();
    for (QAction* item : menu.actions()) {
        if (item->isSeparator() && name != names.end())
            item->setObjectName(QLatin1String(*name++));
    }
}
