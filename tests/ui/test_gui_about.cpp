#include "tests/ui/WebWindows.h"

namespace {

// --- The About box.

TEST(AboutBox, OpensModallyAndReturnsToAnUnchangedWindow) {
    // Each way of leaving the box: the OK button, Enter (default) and Esc (cancel).
    const std::function<void(QWidget*)> closings[] = {
        [](QWidget* box) {
            QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        },
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); },
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
    };
    for (const auto& closing : closings) {
        TestWorld world;
        auto* window =
            static_cast<frmIranianAstrologyResult*>(OpenWorkflowWindow(world, Kind::Result));
        window->lblResult(0)->setText(QStringLiteral("SHAHRIVAR (VIRGO)"));
        auto* about = window->findChild<QAction*>(QStringLiteral("mnuAbout"));

        WhileModal(
            [&] { about->trigger(); },
            [&](QWidget* box) {
                ASSERT_NE(qobject_cast<frmAbout*>(box), nullptr);
                EXPECT_TRUE(box->isModal());
                EXPECT_EQ(box->windowTitle(), "Parsiva v1.10");
                EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                          "Parsiva v1.10");
                EXPECT_FALSE(box->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
                EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("lblHomePage"))->text(),
                          "Click here to visit https://www.velmora.example");
                EXPECT_TRUE(box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
            },
            closing);

        EXPECT_TRUE(OpenWindowsOf<frmAbout>().isEmpty());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->lblResult(0)->text(), "SHAHRIVAR (VIRGO)");
        EXPECT_TRUE(world.launcher.opened.isEmpty());
        EXPECT_TRUE(OpenWindowsOf<frmExitScreen>().isEmpty());
        EXPECT_EQ(world.process.ends, 0);
    }
}

TEST(AboutBox, LinksOpenTheFullyBrandedAndHomePages) {
    TestWorld world;
    frmAbout about(world.program);
    about.show();
    ClickMargin(about.findChild<LinkLabel*>(QStringLiteral("lblCobrand")));
    ClickMargin(about.findChild<LinkLabel*>(QStringLiteral("lblHomePage")));
    EXPECT_EQ(world.launcher.opened, QStringList({Page("fully-branded"), Page("home-page")}));
}

} // namespace
