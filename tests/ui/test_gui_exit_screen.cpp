#include "tests/ui/WebWindows.h"

#include <QMap>
#include <QTranslator>

#include <array>
#include <utility>

namespace {

// --- The exit screen.

struct SubmitCase {
    const char* label;
    const char* name;
    const char* email;
    const char* friendName;
    const char* friendEmail;
    const char* message;
    const char* expected;
};

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
    // Fills the boxes a case gives a text for; returns which box was given what.
    std::array<std::pair<const char*, const char*>, 5> typeCase(const SubmitCase& c) {
        const std::array<std::pair<const char*, const char*>, 5> typed{
            {{"txtName", c.name},
             {"txtEmail", c.email},
             {"txtFriendName", c.friendName},
             {"txtFriendEmail", c.friendEmail},
             {"txtMessage", c.message}}};
        for (const auto& [box, text] : typed) {
            if (text)
                type(box, QString::fromUtf8(text));
        }
        return typed;
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

class ExitScreenSubmit : public ExitScreenFixture,
                         public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(ExitScreenSubmit, ShowsTheFirstFailingCheckAndLeavesTheBoxes) {
    const SubmitCase& c = GetParam();
    const auto typed = typeCase(c);
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

// --- The exit screen in another language: the boxes' placeholders are what a catalogue gives,
// and only those mark a box as untouched.

// Gives the five placeholders in Persian, in whatever context they are asked for.
class PlaceholderCatalogue final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return Persian.value(QString::fromUtf8(sourceText));
    }
    const QMap<QString, QString> Persian{{"Your Name", "نام شما"},
                                         {"Your Email Address", "ایمیل شما"},
                                         {"Friend's Name", "نام دوست"},
                                         {"Friend's Email Address", "ایمیل دوست"},
                                         {"Your Message", "پیام شما"}};
};

struct TranslatedExitScreen : ExitScreenFixture {
    void SetUp() override {
        QCoreApplication::installTranslator(&catalogue);
        ExitScreenFixture::SetUp();
    }
    void TearDown() override { QCoreApplication::removeTranslator(&catalogue); }
    PlaceholderCatalogue catalogue;
};

TEST_F(TranslatedExitScreen, BoxesSwapTheTranslatedPlaceholdersAndKeepTheEnglishText) {
    QWidget* elsewhere = screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit"));
    const char* const names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                                 "txtMessage"};
    const char* const english[] = {"Your Name", "Your Email Address", "Friend's Name",
                                   "Friend's Email Address", "Your Message"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const char* name = names[i];
        QWidget* box = screen->findChild<QWidget*>(QLatin1String(name));
        const auto text = [&] { return i == 4 ? message()->toPlainText() : line(name)->text(); };
        const QString placeholder = catalogue.Persian.value(QLatin1String(english[i]));
        EXPECT_EQ(text(), placeholder) << name;
        box->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(), "") << name;
        elsewhere->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(), placeholder) << name;
        // The English words are no placeholder here: they stay when the box is entered again.
        type(name, QLatin1String(english[i]));
        box->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(), QLatin1String(english[i])) << name;
        elsewhere->setFocus(Qt::TabFocusReason);
    }
}

class TranslatedExitScreenSubmit : public TranslatedExitScreen,
                                   public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(TranslatedExitScreenSubmit, RefusesOnlyTheShownPlaceholders) {
    const SubmitCase& c = GetParam();
    typeCase(c);
    submit();
    if (c.expected) {
        EXPECT_EQ(shownTexts(), QStringList{QString::fromUtf8(c.expected)});
        EXPECT_TRUE(world.launcher.opened.isEmpty());
    } else {
        EXPECT_TRUE(world.messages.shown.empty());
        EXPECT_EQ(world.launcher.opened.size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TranslatedExitScreenSubmit,
    ::testing::Values(SubmitCase{"PlaceholdersUntouched", nullptr, nullptr, nullptr, nullptr,
                                 nullptr, "Please Enter Proper Email Address"},
                      SubmitCase{"NamePlaceholder", nullptr, "ann@x.org", "Bob", "bob@y.org", "Hi",
                                 "Please Enter Your Name"},
                      SubmitCase{"MessagePlaceholder", "Ann", "ann@x.org", "Bob", "bob@y.org",
                                 nullptr, "Please Enter Your Message"},
                      SubmitCase{"FriendNamePlaceholder", "Ann", "ann@x.org", nullptr, "bob@y.org",
                                 "Hi", "Please Enter Your Friend's Name"},
                      SubmitCase{"EnglishWordsAreTypedText", "Your Name", "ann@x.org",
                                 "Friend's Name", "bob@y.org", "Your Message", nullptr}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
