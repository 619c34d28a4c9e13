#include "tests/support/FakeServices.h"

#include "core/readings/TextCodec.h"
#include "ui/web/LaunchPages.h"
#include "ui/web/LinkLabel.h"
#include "platform/ShortDate.h"
#include "core/web/WebTexts.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"

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

namespace {

QString Page(const char* pageId) {
    return QStringLiteral("https://www.velmora.example/parsiva/ssd.php?page=") +
           QLatin1String(pageId);
}

enum class Kind { Main, Result };

QMainWindow* OpenWorkflowWindow(TestWorld& world, Kind kind) {
    if (kind == Kind::Main)
        return ShowMainForm(world.program);
    auto* result = new frmIranianAstrologyResult(world.program);
    world.program.adoptWindow(result);
    result->show();
    return result;
}

// A left click near the label's bottom-right corner, where only its blank margin lies.
void ClickMargin(QWidget* label) {
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() - 1, label->height() - 1));
}

// Runs check on the modal window once it is up, then closes it with close; fails the test
// if no modal window appeared while action ran.
void WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& check,
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

// --- The update reminder at start-up.

const QString EncodedDurationKey =
    QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");

QString StoreKey(TestWorld& world) {
    return FakeSettingsStore::path(world.program.applicationName, QStringLiteral("Settings"),
                                   EncodedDurationKey);
}

QString Encoded(const QString& plain) {
    return QString::fromStdString(parsiva::EncodeText(plain.toStdString()));
}

QString StoredPlainDuration(TestWorld& world) {
    return QString::fromStdString(
        parsiva::DecodeText(world.settings.values.value(StoreKey(world)).toStdString()));
}

struct ReminderCase {
    const char* label;
    std::optional<int> storedDaysFromToday; // none: no entry
    const char* storedText;                 // used when set, in place of a date
    MessageAnswer answer;
    bool failWrites;
    bool asks;
    bool opensDownload;
    bool writesToday;
};

class StartUpReminder : public ::testing::TestWithParam<ReminderCase> {};

TEST_P(StartUpReminder, AsksOnlyWhenDueAndBeforeTheMainFormExists) {
    const ReminderCase& c = GetParam();
    TestWorld world;
    const QDate today = world.clock.date;
    const QLocale locale = QLocale::system();
    QString stored;
    if (c.storedText)
        stored = QString::fromUtf8(c.storedText);
    else if (c.storedDaysFromToday)
        stored = ShortDateText(today.addDays(*c.storedDaysFromToday), locale);
    if (!stored.isNull())
        world.settings.values.insert(StoreKey(world), Encoded(stored));
    world.settings.failWrites = c.failWrites;
    world.messages.answers.push_back(c.answer);
    bool mainFormDuringQuestion = true;
    int writesDuringQuestion = -1;
    world.messages.whileShown = [&] {
        mainFormDuringQuestion = !OpenWindowsOf<frmMain>().isEmpty();
        writesDuringQuestion = world.settings.writes;
    };

    ASSERT_TRUE(StartUp(world.program));

    if (c.asks) {
        ASSERT_EQ(world.messages.shown.size(), 1u);
        const RecordedMessage& question = world.messages.shown.front();
        EXPECT_EQ(question.text, "There maybe an update to this software available\r"
                                 "Do you want to check for an update?");
        EXPECT_EQ(question.icon, MessageIcon::Information);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.caption, "Parsiva");
        EXPECT_FALSE(mainFormDuringQuestion);
        EXPECT_EQ(writesDuringQuestion, 0);
    } else {
        EXPECT_TRUE(world.messages.shown.empty());
    }
    EXPECT_EQ(world.launcher.opened,
              c.opensDownload ? QStringList{Page("download-web-page")} : QStringList{});
    if (c.writesToday) {
        EXPECT_EQ(world.settings.writes, 1);
        EXPECT_EQ(StoredPlainDuration(world), ShortDateText(today, locale));
    } else if (!c.failWrites) {
        EXPECT_EQ(world.settings.writes, 0);
    }
    EXPECT_EQ(OpenWindowsOf<frmMain>().size(), 1);
}

constexpr auto Yes = MessageAnswer::Yes;
constexpr auto No = MessageAnswer::No;

INSTANTIATE_TEST_SUITE_P(
    Table, StartUpReminder,
    ::testing::Values(
        ReminderCase{"FirstStart", std::nullopt, nullptr, Yes, false, false, false, true},
        ReminderCase{"FourteenDaysAgo", -14, nullptr, Yes, false, false, false, false},
        ReminderCase{"FourteenDaysAhead", 14, nullptr, Yes, false, false, false, false},
        ReminderCase{"FifteenDaysAgoYes", -15, nullptr, Yes, false, true, true, true},
        ReminderCase{"FifteenDaysAgoNo", -15, nullptr, No, false, true, false, true},
        ReminderCase{"FifteenDaysAheadNo", 15, nullptr, No, false, true, false, true},
        ReminderCase{"UnreadableStartsAfresh", std::nullopt, "not a date", Yes, false, false, false,
                     true},
        ReminderCase{"FailedWriteOpensNothing", -15, nullptr, Yes, true, true, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StartUpReminderRule, IgnoresAPlainDurationEntry) {
    TestWorld world;
    const QString old = ShortDateText(world.clock.date.addDays(-100), QLocale::system());
    const QString plainKey = FakeSettingsStore::path(
        world.program.applicationName, QStringLiteral("Settings"), QStringLiteral("Duration"));
    world.settings.values.insert(plainKey, old);
    ASSERT_TRUE(StartUp(world.program));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.settings.values.value(plainKey), old);
    EXPECT_EQ(StoredPlainDuration(world), ShortDateText(world.clock.date, QLocale::system()));
}

TEST(ShortDateRule, ReadsBackToTheSameDayInEveryLocale) {
    const QDate dates[] = {QDate(2026, 12, 9), QDate(2000, 2, 29), QDate(1999, 1, 1),
                           QDate(2031, 7, 30)};
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        for (const QDate date : dates) {
            const QString text = ShortDateText(date, locale);
            EXPECT_EQ(ReadShortDate(text, locale), date)
                << locale.name().toStdString() << " " << text.toStdString();
        }
    }
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 9), QLocale(QStringLiteral("en_US"))), "12/9/2026");
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 9), QLocale(QStringLiteral("de_DE"))), "09.12.2026");
    EXPECT_FALSE(ReadShortDate(QStringLiteral("not a date"), QLocale::system()).isValid());
}

// --- The exit screen.

struct ExitScreenFixture : ::testing::Test {
    void SetUp() override {
        screen = ShowExitScreen(world.program);
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    }
    QLineEdit* line(const char* name) { return screen->findChild<QLineEdit*>(QLatin1String(name)); }
    QPlainTextEdit* message() {
        return screen->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
    }
    void type(const char* name, const QString& text) {
        if (QLatin1String(name) == QLatin1String("txtMessage"))
            message()->setPlainText(text);
        else
            line(name)->setText(text);
    }
    void submit() {
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit")),
                          Qt::LeftButton);
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (const auto& shown : world.messages.shown)
            texts << shown.text;
        return texts;
    }

    TestWorld world;
    frmExitScreen* screen = nullptr;
};

TEST_F(ExitScreenFixture, LoadsCaptionIconAppealAndStaysOnTopWithoutActivation) {
    EXPECT_EQ(screen->windowTitle(), "Parsiva v1.10");
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblExitScreenCaption"))->text(),
              "Parsiva v1.10");
    EXPECT_FALSE(screen->windowIcon().isNull());
    EXPECT_FALSE(
        screen->findChild<QLabel*>(QStringLiteral("picExitScreenIcon"))->pixmap().isNull());
    EXPECT_TRUE(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(screen->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(screen->findChild<QCheckBox*>(QStringLiteral("Check1"))->text(),
              "Click Here To Visit https://www.velmora.example Now");
}

TEST(ExitScreenAppeal, IsDrawnAfterAFreshSeed) {
    const float draws[] = {0.0f, 0.3f, 0.6f, 0.9f};
    for (int index = 0; index < 4; ++index) {
        TestWorld world;
        world.random.values = {draws[index]};
        frmExitScreen* screen = ShowExitScreen(world.program);
        EXPECT_EQ(world.random.seeds, 1);
        EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("Label2"))->text().toStdString(),
                  parsiva::ExitAppeals[index]);
    }
}

TEST_F(ExitScreenFixture, BoxesSwapTheirPlaceholdersOnFocus) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtName", "Your Name"},           {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"}, {"txtFriendEmail", "Friend's Email Address"},
        {"txtMessage", "Your Message"},
    };
    QWidget* elsewhere = screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit"));
    const auto text = [&](const char* name) {
        return QLatin1String(name) == QLatin1String("txtMessage") ? message()->toPlainText()
                                                                  : line(name)->text();
    };
    for (const auto& [name, placeholder] : boxes) {
        QWidget* box = screen->findChild<QWidget*>(QLatin1String(name));
        box->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(name), "") << name;
        type(name, QStringLiteral("   "));
        elsewhere->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(name), placeholder) << name;
        type(name, QStringLiteral("  ") + placeholder);
        box->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(text(name), "") << name;
        type(name, QStringLiteral("Anything"));
        elsewhere->setFocus(Qt::TabFocusReason);
        box->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(name), "Anything") << name;
    }
    EXPECT_TRUE(world.messages.shown.empty());
}

TEST_F(ExitScreenFixture, SpaceIsRefusedInTheEmailBoxesOnly) {
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        world.messages.shown.clear();
        QLineEdit* box = line(name);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, QStringLiteral("a b"));
        EXPECT_EQ(box->text(), "ab") << name;
        ASSERT_EQ(world.messages.shown.size(), 1u) << name;
        EXPECT_EQ(world.messages.shown[0].text, "Email Address Cannot Contain Space");
        EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(world.messages.shown[0].caption, "Parsiva");
        EXPECT_EQ(QApplication::focusWidget(), box) << name;
    }
    world.messages.shown.clear();
    QLineEdit* name = line("txtName");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QStringLiteral("a b"));
    EXPECT_EQ(name->text(), "a b");
    EXPECT_TRUE(world.messages.shown.empty());
}

struct SubmitCase {
    const char* label;
    const char* name;
    const char* email;
    const char* friendName;
    const char* friendEmail;
    const char* message;
    const char* expected;
};

class ExitScreenSubmit : public ExitScreenFixture,
                         public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(ExitScreenSubmit, ShowsTheFirstFailingCheckAndLeavesTheBoxes) {
    const SubmitCase& c = GetParam();
    const std::pair<const char*, const char*> typed[] = {{"txtName", c.name},
                                                         {"txtEmail", c.email},
                                                         {"txtFriendName", c.friendName},
                                                         {"txtFriendEmail", c.friendEmail},
                                                         {"txtMessage", c.message}};
    for (const auto& [box, text] : typed) {
        if (text)
            type(box, QString::fromUtf8(text));
    }
    submit();
    EXPECT_EQ(shownTexts(), QStringList{QString::fromUtf8(c.expected)});
    EXPECT_EQ(world.messages.shown.front().icon, MessageIcon::Critical);
    EXPECT_EQ(world.messages.shown.front().caption, "Parsiva");
    EXPECT_TRUE(world.launcher.opened.isEmpty());
    for (const auto& [box, text] : typed) {
        if (text && QLatin1String(box) != QLatin1String("txtMessage")) {
            EXPECT_EQ(line(box)->text(), QString::fromUtf8(text)) << box;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExitScreenSubmit,
    ::testing::Values(SubmitCase{"PlaceholdersUntouched", nullptr, nullptr, nullptr, nullptr,
                                 nullptr, "Please Enter Proper Email Address"},
                      SubmitCase{"SameEmailsFirst", nullptr, "ann@x.org", nullptr, " ann@x.org ",
                                 nullptr, "Please Enter Distinct Email Addresses"},
                      SubmitCase{"FriendEmailWithoutDot", "Ann", "ann@x.org", "Bob", "bob@xorg",
                                 "Hi", "Please Enter Proper Email Address"},
                      SubmitCase{"NamePlaceholder", nullptr, "ann@x.org", "Bob", "bob@y.org", "Hi",
                                 "Please Enter Your Name"},
                      SubmitCase{"MessagePlaceholder", "Ann", "ann.lee@x", "Bob", "bob@y.org",
                                 nullptr, "Please Enter Your Message"},
                      SubmitCase{"FriendNameBlank", "Ann", "ann@x.org", "   ", "bob@y.org", "Hi",
                                 "Please Enter Your Friend's Name"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExitScreenFixture, SubmitOpensAnAddressThatGivesBackWhatWasTyped) {
    type("txtName", QStringLiteral("  Ann & Bob=1 "));
    type("txtEmail", QStringLiteral("ann+tag@x.org"));
    type("txtFriendName", QStringLiteral(u"Zo\u00EB #2 50%"));
    type("txtFriendEmail", QStringLiteral("Ann+tag@x.org"));
    type("txtMessage", QStringLiteral("Line one;\nline two?  "));
    submit();
    submit();

    EXPECT_TRUE(world.messages.shown.empty());
    ASSERT_EQ(world.launcher.opened.size(), 2);
    EXPECT_EQ(world.launcher.opened[0], world.launcher.opened[1]);
    EXPECT_EQ(world.launcher.opened[0], QString::fromStdString(world.program.ReferralAddress));
    EXPECT_EQ(world.program.referralDetails.SenderName, "Ann & Bob=1");

    const QUrl url(world.launcher.opened[0]);
    EXPECT_EQ(url.toString(QUrl::RemoveQuery), "https://www.velmora.example/parsiva/ssd.php");
    const DecodedQuery query = DecodeQuery(world.launcher.opened[0]);
    EXPECT_EQ(query.keys, QStringList({"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    const auto value = [&](const char* key) { return query.values.value(QLatin1String(key)); };
    EXPECT_EQ(value("page"), "qxvs-refer-a-friend");
    EXPECT_EQ(value("taf1"), "Ann & Bob=1");
    EXPECT_EQ(value("taf2"), "ann+tag@x.org");
    EXPECT_EQ(value("taf3"), "Line one;\nline two?");
    EXPECT_EQ(value("taf4"), QStringLiteral(u"Zo\u00EB #2 50%"));
    EXPECT_EQ(value("taf5"), "Ann+tag@x.org");
    EXPECT_EQ(value("taf6"), "https://www.velmora.example/parsiva/");
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(line("txtName")->text(), "  Ann & Bob=1 ");
}

TEST_F(ExitScreenFixture, CheckBoxOpensTheHomePageAndNeverStaysTicked) {
    auto* check = screen->findChild<QCheckBox*>(QStringLiteral("Check1"));
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(world.launcher.opened, QStringList({Page("home-page"), Page("home-page")}));
}

TEST_F(ExitScreenFixture, SoftwaresLinkOpensTheCatalogue) {
    ClickMargin(screen->findChild<LinkLabel*>(QStringLiteral("lblGoToHome")));
    EXPECT_EQ(world.launcher.opened, QStringList{Page("velmorasoftwares")});
}

TEST(ExitScreenClosing, EndsTheRunByTheButtonOrTheCloseBox) {
    const std::function<void(frmExitScreen*)> closings[] = {
        [](frmExitScreen* screen) {
            QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                              Qt::LeftButton);
        },
        [](frmExitScreen* screen) { screen->close(); },
    };
    for (const auto& closing : closings) {
        TestWorld world;
        closing(ShowExitScreen(world.program));
        EXPECT_EQ(world.process.ends, 1);
        EXPECT_TRUE(world.program.openWindows().isEmpty());
        EXPECT_TRUE(OpenWindowsOf<frmExitScreen>().isEmpty());
    }
}

} // namespace
