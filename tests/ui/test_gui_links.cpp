#include "tests/ui/WebWindows.h"

namespace {

// --- The seven page operations.

struct PageCase {
    const char* label;
    void (*open)(Program&);
    const char* pageId;
};

class PageOperation : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageOperation, OpensExactlyItsAddressEveryTime) {
    TestWorld world;
    GetParam().open(world.program);
    GetParam().open(world.program);
    EXPECT_EQ(world.launcher.opened,
              QStringList({Page(GetParam().pageId), Page(GetParam().pageId)}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageOperation,
    ::testing::Values(PageCase{"Home", OpenHomePage, "home-page"},
                      PageCase{"Help", OpenHelpPage, "help-web-page"},
                      PageCase{"Download", OpenDownloadPage, "download-web-page"},
                      PageCase{"Donate", OpenDonatePage, "donate"},
                      PageCase{"FullyBranded", OpenFullyBrandedPage, "fully-branded"},
                      PageCase{"CoBrand", OpenCoBrandPage, "co-brand"},
                      PageCase{"Softwares", OpenSoftwaresPage, "velmorasoftwares"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PageOperationRule, WebAddressPassesItsTextUnchanged) {
    TestWorld world;
    const QString address = QStringLiteral("https://x.example/a b?c=d&e=%41");
    OpenWebAddress(world.program, address);
    EXPECT_EQ(world.launcher.opened, QStringList{address});
}

// --- Menus and link labels of the two workflow windows.

struct LinkCase {
    const char* label;
    Kind window;
    const char* control;
    const char* pageId;
};

class WindowLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(WindowLink, OpensItsPageOnceAndNothingElse) {
    const LinkCase& c = GetParam();
    TestWorld world;
    QMainWindow* window = OpenWorkflowWindow(world, c.window);
    if (auto* item = window->findChild<QAction*>(QLatin1String(c.control))) {
        item->trigger();
    } else {
        auto* label = window->findChild<LinkLabel*>(QLatin1String(c.control));
        ASSERT_NE(label, nullptr) << c.control;
        ClickMargin(label);
    }
    EXPECT_EQ(world.launcher.opened, QStringList{Page(c.pageId)});
    EXPECT_EQ(world.settings.writes, 0);
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(OpenWindowsOf<frmExitScreen>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowLink,
    ::testing::Values(LinkCase{"MainOnline", Kind::Main, "mnuOnline", "help-web-page"},
                      LinkCase{"MainVisit", Kind::Main, "mnuVisit", "home-page"},
                      LinkCase{"MainUpdate", Kind::Main, "mnuUpdate", "download-web-page"},
                      LinkCase{"MainDonate", Kind::Main, "mnuDonate", "donate"},
                      LinkCase{"MainBanner", Kind::Main, "Label61", "home-page"},
                      LinkCase{"MainCobrand", Kind::Main, "lblCobrand", "co-brand"},
                      LinkCase{"MainFullBrand", Kind::Main, "lblFullBrand", "fully-branded"},
                      LinkCase{"ResultOnline", Kind::Result, "mnuOnline", "help-web-page"},
                      LinkCase{"ResultVisit", Kind::Result, "mnuVisit", "home-page"},
                      LinkCase{"ResultUpdate", Kind::Result, "mnuUpdate", "download-web-page"},
                      LinkCase{"ResultDonate", Kind::Result, "mnuDonate", "donate"},
                      LinkCase{"ResultBanner", Kind::Result, "Label61", "home-page"},
                      LinkCase{"ResultCobrand", Kind::Result, "lblCobrand", "co-brand"},
                      LinkCase{"ResultFullBrand", Kind::Result, "lblFullBrand", "fully-branded"},
                      LinkCase{"ResultHiddenLabel13", Kind::Result, "Label13", "fully-branded"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MakeMoneyMenu, IsGreyedOnBothBarsYetKeepsItsCommand) {
    for (Kind kind : {Kind::Main, Kind::Result}) {
        TestWorld world;
        QMainWindow* window = OpenWorkflowWindow(world, kind);
        auto* item = window->findChild<QAction*>(QStringLiteral("mnuMakeMoney"));
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(window->menuBar()->actions().contains(item));
        EXPECT_TRUE(item->isVisible());
        EXPECT_FALSE(item->isEnabled());
        item->trigger();
        EXPECT_TRUE(world.launcher.opened.isEmpty());
        item->setEnabled(true);
        item->trigger();
        EXPECT_EQ(world.launcher.opened, QStringList{Page("fully-branded")});
    }
}

// The bar's captions in order, a submenu's items in brackets, "-" for a separator line.
QStringList BarLayout(QMainWindow* window) {
    QStringList layout;
    for (QAction* top : window->menuBar()->actions()) {
        layout << top->text();
        if (QMenu* menu = top->menu()) {
            for (QAction* item : menu->actions())
                layout << QLatin1Char('[') +
                              (item->isSeparator() ? QStringLiteral("-") : item->text()) +
                              QLatin1Char(']');
        }
    }
    return layout;
}

TEST(MenuBars, HoldTheirItemsInOrderWithAccessKeys) {
    TestWorld world;
    EXPECT_EQ(
        BarLayout(OpenWorkflowWindow(world, Kind::Main)),
        QStringList({"&File", "[&Find My Iranian Astrology Sign]", "[-]", "[E&xit]", "&Help",
                     "[&Online Help]", "[&Visit Us Online]", "[-]", "[Check for Software &Update]",
                     "[-]", "[&About Software]", "&Donate", "&Make Money Online"}));
    EXPECT_EQ(
        BarLayout(OpenWorkflowWindow(world, Kind::Result)),
        QStringList({"&File", "[&Print]", "[&Back]", "[-]", "[E&xit]", "&Help", "[&Online Help]",
                     "[&Visit Us Online]", "[-]", "[Check for Software &Update]", "[-]",
                     "[&About Software]", "&Donate", "Make Money &Online"}));
}

TEST(LinkLabels, LookLikeHyperlinks) {
    TestWorld world;
    for (Kind kind : {Kind::Main, Kind::Result}) {
        for (auto* label : OpenWorkflowWindow(world, kind)->findChildren<LinkLabel*>()) {
            EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor)
                << label->objectName().toStdString();
            EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue))
                << label->objectName().toStdString();
        }
    }
}

} // namespace
