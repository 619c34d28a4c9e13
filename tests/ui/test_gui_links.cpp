#include "tests/ui/WebWindows.h"

#include "ui/readings/frmSave.h"

#include <QStackedLayout>

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

// --- The groups of controls that several windows share: the banner, the offer frame with its
// two offers, and the Help menu with the bar's two offers.

struct SharedCase {
    const char* label;
    QWidget* (*open)(TestWorld&);
    // The Help menu's items by name, top to bottom; empty where the window has no menu bar.
    QStringList helpMenu;
};

void PrintTo(const SharedCase& window, std::ostream* out) {
    *out << window.label;
}

class SharedControls : public ::testing::TestWithParam<SharedCase> {};

// Each control is there once, under its own name, in its place, and described.
TEST_P(SharedControls, AreEachThereOnceInTheirPlace) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    const QStringList& helpMenu = GetParam().helpMenu;

    QStringList names = {"Label61", "fraFullBrand", "lblFullBrand", "lblCobrand"};
    if (!helpMenu.isEmpty())
        names << "mnuHelp" << helpMenu << "mnuDonate"
              << "mnuMakeMoney";
    for (const QString& name : names)
        EXPECT_EQ(window->findChildren<QObject*>(name).size(), 1) << name.toStdString();

    auto* banner = Child<QLabel>(window, "Label61");
    auto* frame = Child<QFrame>(window, "fraFullBrand");
    ASSERT_TRUE(banner && frame);
    EXPECT_LT(banner->mapTo(window, QPoint()).y(), frame->mapTo(window, QPoint()).y());
    auto* stack = qobject_cast<QStackedLayout*>(frame->layout());
    ASSERT_NE(stack, nullptr);
    ASSERT_EQ(stack->count(), 2);
    EXPECT_EQ(stack->widget(0)->objectName(), "lblFullBrand");
    EXPECT_EQ(stack->widget(1)->objectName(), "lblCobrand");
    EXPECT_EQ(banner->accessibleDescription(), "Discussion board");
    EXPECT_EQ(stack->widget(0)->accessibleDescription(), "Fully branded offer");
    EXPECT_EQ(stack->widget(1)->accessibleDescription(), "Co-brand offer");

    if (helpMenu.isEmpty())
        return;
    QStringList bar;
    for (QAction* top : qobject_cast<QMainWindow*>(window)->menuBar()->actions())
        bar << (top->menu() ? top->menu()->objectName() : top->objectName());
    EXPECT_EQ(bar, QStringList({"mnuFile", "mnuHelp", "mnuDonate", "mnuMakeMoney"}));
    QStringList help;
    for (QAction* item : Child<QMenu>(window, "mnuHelp")->actions())
        help << item->objectName();
    EXPECT_EQ(help, helpMenu);
}

// A click on the banner or on the offer in front opens its page, on every window.
TEST_P(SharedControls, OpenTheirPagesWhenClicked) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    for (const auto& [name, pageId] :
         {std::pair{"Label61", "home-page"}, std::pair{"lblFullBrand", "fully-branded"}}) {
        auto* label = Child<LinkLabel>(window, name);
        ASSERT_NE(label, nullptr);
        ASSERT_TRUE(label->isVisible()) << name;
        ClickMargin(label);
        EXPECT_EQ(world.launcher.opened, QStringList{Page(pageId)}) << name;
        world.launcher.opened.clear();
    }
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindowThatCarriesThem, SharedControls,
    ::testing::Values(
        SharedCase{"BirthDetails",
                   [](TestWorld& world) -> QWidget* { return OpenMainForm(world.program); },
                   {"mnuOnline", "mnuVisit", "mnuSep2", "mnuUpdate", "mnuSep3", "mnuAbout"}},
        SharedCase{
            "Result",
            [](TestWorld& world) -> QWidget* { return ShowResult(world, "Shahrivar"); },
            {"mnuOnline", "mnuVisit", "mnuHelpSep1", "mnuUpdate", "mnuHelpSep2", "mnuAbout"}},
        SharedCase{"Report", [](TestWorld& world) -> QWidget* { return ShowReport(world); }, {}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
