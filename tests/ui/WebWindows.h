#pragma once

// Shared by the tests of the web pages, menus, About box, update reminder and exit screen.
#include "tests/support/Windows.h"

#include "core/readings/TextCodec.h"
#include "core/web/WebTexts.h"
#include "platform/ShortDate.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/LinkLabel.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

inline QString Page(const char* pageId) {
    return QStringLiteral("https://www.velmora.example/parsiva/ssd.php?page=") +
           QLatin1String(pageId);
}

enum class Kind { Main, Result };

inline QMainWindow* OpenWorkflowWindow(TestWorld& world, Kind kind) {
    if (kind == Kind::Main)
        return OpenMainForm(world.program);
    auto* result = new frmIranianAstrologyResult(world.program);
    world.program.adoptWindow(result);
    result->show();
    return result;
}

// A left click near the label's bottom-right corner, where only its blank margin lies.
inline void ClickMargin(QWidget* label) {
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() - 1, label->height() - 1));
}

// Runs check on the modal window once it is up, then closes it with close; fails the test
// if no modal window appeared while action ran.
inline void WhileModal(const std::function<void()>& action,
                       const std::function<void(QWidget*)>& check,
                       const std::function<void(QWidget*)>& close) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = true;
        check(modal);
        close(modal);
        if (modal->isVisible()) {
            ADD_FAILURE() << "the modal window did not close";
            modal->hide(); // ends its event loop instead of hanging the test
        }
    });
    action();
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen) << "no modal window came up";
}
