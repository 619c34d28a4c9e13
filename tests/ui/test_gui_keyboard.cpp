// What a person reaches with the keyboard, and what a click into a box does however the window
// was activated.
#include "tests/support/Windows.h"

#include "ui/base/LinkLabel.h"
#include "ui/readings/frmSave.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

const QString Site = QStringLiteral("https://www.velmora.example");

void Activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

frmIranianAstrologyResult* ShowResult(TestWorld& world) {
    auto* result = new frmIranianAstrologyResult(world.program);
    world.program.adoptWindow(result);
    result->show();
    return result;
}

// The page ids that the launcher was given since the last call, in order.
QStringList TakeOpenedPages(TestWorld& world) {
    QStringList pages;
    for (const QString& address : world.launcher.opened)
        pages << address.section(QStringLiteral("page="), 1);
    world.launcher.opened.clear();
    return pages;
}

// Tab from the focused control once round the window. Each stop is the control's name; at a
// link label also the pages that Enter and then Space opened there.
QStringList TabRound(TestWorld& world, QWidget* window) {
    QStringList stops;
    QWidget* first = window->focusWidget();
    for (QWidget* at = first; at && stops.size() < 30;) {
        QString stop = at->objectName();
        if (qobject_cast<LinkLabel*>(at)) {
            TakeOpenedPages(world);
            QTest::keyClick(at, Qt::Key_Return);
            QTest::keyClick(at, Qt::Key_Space);
            stop += QLatin1Char(' ') + TakeOpenedPages(world).join(QLatin1Char(' '));
        }
        stops << stop;
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (at == first)
            break;
    }
    return stops;
}

struct TabCase {
    const char* label;
    std::function<QWidget*(TestWorld&)> open;
    QStringList stops;
};

class TabOrder : public ::testing::TestWithParam<TabCase> {};

// The controls keep their order and the links follow them; Enter and Space each open a focused
// link's page once, and leave its window open.
TEST_P(TabOrder, LinksFollowTheOrderedControlsAndOpenByEnterOrSpace) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    Activate(window);
    EXPECT_EQ(TabRound(world, window), GetParam().stops);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(world.messages.shown.empty());
}

// The same cases once more in Persian: the order is that of the controls, however they are laid
// out.
std::vector<TabCase> InBothLanguages(std::vector<TabCase> cases) {
    const auto english = cases;
    for (const TabCase& c : english) {
        static std::deque<std::string> labels; // the rows keep pointers into it
        labels.push_back(std::string(c.label) + "Persian");
        cases.push_back({labels.back().c_str(),
                         [open = c.open](TestWorld& world) {
                             world.speak(InterfaceLanguage::Persian);
                             return open(world);
                         },
                         c.stops});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, TabOrder,
    ::testing::ValuesIn(InBothLanguages(
        {TabCase{"Main",
                 [](TestWorld& world) -> QWidget* { return OpenMainForm(world.program); },
                 {"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed", "cmdOpen",
                  "Label61 home-page home-page", "lblFullBrand fully-branded fully-branded"}},
         TabCase{"MainWithTheCobrandInFront",
                 [](TestWorld& world) -> QWidget* {
                     frmMain* form = OpenMainForm(world.program);
                     form->bringPromotionToFront(parsiva::CoBrandFront::Cobrand);
                     return form;
                 },
                 {"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed", "cmdOpen",
                  "Label61 home-page home-page", "lblCobrand co-brand co-brand"}},
         TabCase{"Result",
                 [](TestWorld& world) -> QWidget* { return ShowResult(world); },
                 {"cmdPrint", "cmdExit", "cmdBack", "Label61 home-page home-page",
                  "lblFullBrand fully-branded fully-branded"}},
         TabCase{"About",
                 [](TestWorld& world) -> QWidget* {
                     auto* about = new frmAbout(world.program);
                     // Adopted, so that the world closes it: a modal box left open would take
                     // the keys of every later test.
                     world.program.adoptWindow(about);
                     about->show();
                     return about;
                 },
                 {"cmdOK", "lblCobrand fully-branded fully-branded",
                  "lblHomePage home-page home-page"}},
         TabCase{"ExitScreen",
                 [](TestWorld& world) -> QWidget* { return ShowExitScreen(world.program); },
                 {"Check1", "cmdClose", "txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                  "txtMessage", "cmdSubmit", "lblGoToHome velmorasoftwares velmorasoftwares"}}})),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ReportBox, TabPicksEachCreditLinkInTurnAndEnterOpensIt) {
    TestWorld world;
    frmIranianAstrologyResult* result = ShowResult(world);
    auto* report = new frmSave(world.program, *result, result->resultCaptions());
    world.program.adoptWindow(report);
    report->show();
    Activate(report);
    QTextEdit* box = report->richTextBox();
    ASSERT_EQ(report->focusWidget(), box);

    int previousStart = -1;
    for (int link = 0; link < 6; ++link) {
        QTest::keyClick(box, Qt::Key_Tab);
        ASSERT_EQ(report->focusWidget(), box) << link;
        EXPECT_EQ(box->textCursor().selectedText(), Site) << link;
        EXPECT_GT(box->textCursor().selectionStart(), previousStart) << link;
        previousStart = box->textCursor().selectionStart();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(world.launcher.opened, QStringList({Site})) << link;
        world.launcher.opened.clear();
    }
    // Past the last link the keyboard goes on to the buttons, then the labels.
    QStringList after;
    for (int stop = 0; stop < 4; ++stop) {
        QTest::keyClick(report->focusWidget(), Qt::Key_Tab);
        after << report->focusWidget()->objectName();
    }
    EXPECT_EQ(after, QStringList({"cmdSave", "cmdPrint", "Label61", "lblFullBrand"}));
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(world.launcher.opened.isEmpty());
}

TEST(LinkFocus, AFocusedLinkShowsAFrameThatGoesWithTheFocus) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    Activate(form);
    auto* banner = form->findChild<LinkLabel*>(QStringLiteral("Label61"));
    const QImage unfocused = banner->grab().toImage();
    while (form->focusWidget() != banner)
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    const QImage focused = banner->grab().toImage();
    QTest::keyClick(banner, Qt::Key_Tab);
    EXPECT_NE(focused, unfocused);
    EXPECT_EQ(banner->grab().toImage(), unfocused);
    // A click opens the page and leaves the keyboard where it was.
    QWidget* before = form->focusWidget();
    QTest::mouseClick(banner, Qt::LeftButton);
    EXPECT_EQ(form->focusWidget(), before);
}

// --- Access keys.

// Every access key that a press of Alt reaches in this window, each with its owner.
QList<std::pair<QKeySequence, QString>> LiveAccessKeys(QWidget* window) {
    QList<std::pair<QKeySequence, QString>> keys;
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() == window && !button->shortcut().isEmpty() && button->isEnabled())
            keys.append({button->shortcut(), button->objectName()});
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->window() == window && label->buddy() &&
            !QKeySequence::mnemonic(label->text()).isEmpty())
            keys.append({QKeySequence::mnemonic(label->text()), label->objectName()});
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        for (QAction* top : main->menuBar()->actions()) {
            if (top->isEnabled() && !QKeySequence::mnemonic(top->text()).isEmpty())
                keys.append({QKeySequence::mnemonic(top->text()), top->text()});
        }
    }
    return keys;
}

// Every caption with an access key in the window, its menus' items included.
QStringList CaptionsWithAccessKeys(QWidget* window) {
    QStringList captions;
    for (auto* button : window->findChildren<QAbstractButton*>())
        captions << button->text();
    for (auto* label : window->findChildren<QLabel*>())
        captions << label->text();
    for (QAction* item : window->findChildren<QAction*>())
        captions << item->text();
    for (QMenu* menu : window->findChildren<QMenu*>())
        captions << menu->title();
    captions.removeIf(
        [](const QString& caption) { return QKeySequence::mnemonic(caption).isEmpty(); });
    return captions;
}

// The letters the Persian keyboard layout (xkb "ir") types without Shift or AltGr.
const QString PersianLayoutLetters = QStringLiteral("ضصثقفغعهخحجچشسیبلاتنمکگظطزرذدپو");

class AccessKeys : public ::testing::TestWithParam<InterfaceLanguage> {};

TEST_P(AccessKeys, NoTwoControlsOfAWindowShareOneAndAPersonsKeyboardTypesEach) {
    TestWorld world;
    world.speak(GetParam());
    frmIranianAstrologyResult* result = ShowResult(world);
    auto* report = new frmSave(world.program, *result, result->resultCaptions());
    world.program.adoptWindow(report);
    frmAbout about(world.program);
    const QList<QWidget*> windows = {OpenMainForm(world.program), result, report, &about,
                                     ShowExitScreen(world.program)};
    for (QWidget* window : windows) {
        const auto keys = LiveAccessKeys(window);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (qsizetype j = i + 1; j < keys.size(); ++j) {
                EXPECT_NE(keys[i].first, keys[j].first)
                    << window->metaObject()->className() << ": " << keys[i].second.toStdString()
                    << " and " << keys[j].second.toStdString();
            }
        }
        for (const QString& caption : CaptionsWithAccessKeys(window)) {
            const QChar key = caption.at(caption.indexOf(QLatin1Char('&')) + 1);
            if (GetParam() == InterfaceLanguage::Persian)
                EXPECT_TRUE(PersianLayoutLetters.contains(key)) << caption.toStdString();
            else
                EXPECT_TRUE(key.isLetter() && key.unicode() < 128) << caption.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessKeys,
                         ::testing::Values(InterfaceLanguage::English, InterfaceLanguage::Persian),
                         [](const auto& info) {
                             return info.param == InterfaceLanguage::Persian ? "Persian"
                                                                             : "English";
                         });

// A key as the keyboard sends it: its code and the letter it types.
void Press(QWidget* widget, QChar letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(letter.toUpper().unicode()), QString(letter),
                        modifiers);
}

// The File menu's key, which the Find button shares: F in English, پ in Persian.
TEST_P(AccessKeys, TheFileMenusKeyOpensItEveryTimeAndThenFinds) {
    TestWorld world;
    world.speak(GetParam());
    const QChar key = GetParam() == InterfaceLanguage::Persian ? QChar(0x067E) : QChar(u'f');
    frmMain* form = OpenMainForm(world.program);
    Activate(form);
    auto* fileMenu = form->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* name = form->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QTest::keyClicks(name, QStringLiteral("Ann Lee"));
    for (int press = 0; press < 5; ++press) {
        Press(form, key, Qt::AltModifier);
        ASSERT_EQ(QApplication::activePopupWidget(), fileMenu) << "press " << press + 1;
        QTest::keyClick(fileMenu, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
    }
    Press(form, key, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), fileMenu);
    Press(fileMenu, key);
    DeleteClosedWindows();
    EXPECT_NE(TheOnly<frmIranianAstrologyResult>(), nullptr);
    EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
    EXPECT_EQ(world.program.birthDetails.Name, "Ann Lee");
}

struct EnterCase {
    const char* label;
    const char* from; // the control with the keyboard
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const EnterCase& c, std::ostream* out) {
    *out << c.label;
}

class EnterOnTheForm : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterOnTheForm, RunsFindFromTheNameBoxAndEveryList) {
    const EnterCase& c = GetParam();
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    Activate(form);
    auto* name = form->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QTest::keyClicks(name, QStringLiteral("Ann Lee"));
    // The month by keyboard, so the reading shows that the lists were read.
    QTest::keyClick(name, Qt::Key_Tab);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(form->focusWidget(), Qt::Key_Down);
    QWidget* from = form->findChild<QWidget*>(QString::fromLatin1(c.from));
    from->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(form->focusWidget(), from);

    QTest::keyClick(from, c.key, c.modifiers);
    DeleteClosedWindows();

    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(world.program.birthDetails.Name, "Ann Lee");
    EXPECT_EQ(world.program.birthDetails.Month, "August");
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnterOnTheForm,
    ::testing::Values(EnterCase{"ReturnInTheNameBox", "txtName", Qt::Key_Return, Qt::NoModifier},
                      EnterCase{"KeypadEnterInTheNameBox", "txtName", Qt::Key_Enter,
                                Qt::KeypadModifier},
                      EnterCase{"ReturnOnTheMonth", "cboMonth", Qt::Key_Return, Qt::NoModifier},
                      EnterCase{"ReturnOnTheDay", "cboDate", Qt::Key_Return, Qt::NoModifier},
                      EnterCase{"ReturnOnTheYear", "cboYear", Qt::Key_Return, Qt::NoModifier}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(EnterKey, RunsFindWithItsChecksAndOnlyPicksInAnOpenList) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    Activate(form);
    auto* name = form->findChild<QLineEdit*>(QStringLiteral("txtName"));
    auto* month = form->findChild<QComboBox*>(QStringLiteral("cboMonth"));

    // Enter runs Find, checks and all: an empty name is refused as the button would refuse it.
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, "Please Enter Your Name");
    EXPECT_EQ(TheOnly<frmMain>(), form);

    // In an open list Enter picks the entry and leaves the form as it is.
    QTest::keyClicks(name, QStringLiteral("Ann Lee"));
    month->setFocus(Qt::TabFocusReason);
    QTest::keyClick(month, Qt::Key_Down, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(month->currentText(), "February");
    DeleteClosedWindows();
    EXPECT_EQ(TheOnly<frmMain>(), form);
    EXPECT_EQ(world.messages.shown.size(), 1u);

    // Closed again, the list hands Enter to Find.
    QTest::keyClick(month, Qt::Key_Return);
    DeleteClosedWindows();
    EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
    EXPECT_EQ(world.program.birthDetails.Month, "February");
}

// --- The exit screen's placeholders, however the window stands when the person clicks.

QPoint Middle(QWidget* widget) {
    return widget->rect().center();
}

QString BoxText(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

void ClickInto(QWidget* box) {
    QWidget* target = box;
    if (auto* message = qobject_cast<QPlainTextEdit*>(box))
        target = message->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, Middle(target));
}

enum class Before {
    Active,              // the screen active, as a window manager leaves it after the click
    AnotherWindowActive, // no window manager: the click activates nothing first
    RefusalLeftInactive, // a refusal's message box took the activation, none gave it back
    RefusalReactivated,  // the same, with the activation given back by a window manager
};

struct ClickCase {
    const char* label;
    Before before;
    const char* box;
};

class ExitScreenClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ExitScreenClick, TheBoxHoldsExactlyWhatIsTyped) {
    const ClickCase& c = GetParam();
    TestWorld world;
    QWidget elsewhere; // another program, or the message box
    elsewhere.resize(200, 100);
    frmExitScreen* screen = ShowExitScreen(world.program);
    QWidget* box = screen->findChild<QWidget*>(QLatin1String(c.box));
    ASSERT_NE(box, nullptr);
    const QString placeholder = BoxText(box);

    if (c.before == Before::Active) {
        Activate(screen);
    } else if (c.before == Before::AnotherWindowActive) {
        elsewhere.show();
        Activate(&elsewhere);
    } else {
        Activate(screen);
        world.messages.whileShown = [&] {
            elsewhere.show();
            Activate(&elsewhere);
        };
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit")),
                          Qt::LeftButton);
        ASSERT_EQ(world.messages.shown.size(), 1u);
        EXPECT_EQ(world.messages.shown[0].text, "Please Enter Proper Email Address");
        elsewhere.hide();
        if (c.before == Before::RefusalReactivated)
            Activate(screen);
    }
    ASSERT_EQ(screen->isActiveWindow(),
              c.before == Before::Active || c.before == Before::RefusalReactivated);

    ClickInto(box);
    QTest::keyClicks(box, QStringLiteral("bob@y.example"));
    EXPECT_EQ(BoxText(box), "bob@y.example") << "placeholder was " << placeholder.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExitScreenClick,
    ::testing::Values(ClickCase{"NameActive", Before::Active, "txtName"},
                      ClickCase{"NameInactive", Before::AnotherWindowActive, "txtName"},
                      ClickCase{"MessageInactive", Before::AnotherWindowActive, "txtMessage"},
                      ClickCase{"FriendEmailAfterRefusal", Before::RefusalLeftInactive,
                                "txtFriendEmail"},
                      ClickCase{"FriendEmailAfterRefusalReactivated", Before::RefusalReactivated,
                                "txtFriendEmail"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ExitScreenPlaceholder, ComesBackWhenABoxLeftEmptyWithTheWindowIsLeftForAnother) {
    TestWorld world;
    QWidget otherProgram;
    otherProgram.resize(200, 100);
    frmExitScreen* screen = ShowExitScreen(world.program);
    Activate(screen);
    auto* email = screen->findChild<QLineEdit*>(QStringLiteral("txtEmail"));
    auto* friendEmail = screen->findChild<QLineEdit*>(QStringLiteral("txtFriendEmail"));
    ClickInto(friendEmail);
    ClickInto(email);
    EXPECT_EQ(email->text(), "");
    EXPECT_EQ(friendEmail->text(), "Friend's Email Address");

    // Away to another program and back to the same box: nothing changes.
    otherProgram.show();
    Activate(&otherProgram);
    EXPECT_EQ(email->text(), "");
    Activate(screen);
    EXPECT_EQ(email->text(), "");
    EXPECT_EQ(screen->focusWidget(), email);

    // Away again, then straight onto the button of the inactive screen.
    Activate(&otherProgram);
    QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit")), Qt::LeftButton);
    EXPECT_EQ(email->text(), "Your Email Address");
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, "Please Enter Proper Email Address");
}

} // namespace
