#include "tests/support/FakeServices.h"
#include "tests/support/Windows.h"

#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>

// The About box's offer is the fully-branded link label's text less its closing invitation;
// both windows must show the same offer word for word.
TEST(SharedTexts, AboutOfferIsTheFullBrandLabelWithoutItsInvitation) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    auto* about = new frmAbout(world.program);
    world.program.adoptWindow(about);

    const QString offer = Child<QLabel>(about, "Label3")->text();
    const QString fullBrand = Child<QLabel>(form, "lblFullBrand")->text();
    EXPECT_EQ(offer.toStdString(),
              "Home business offer: start your own Internet business and make money online by "
              "getting this software fully branded for your web site.");
    EXPECT_EQ(fullBrand.toStdString(), offer.toStdString() + " Click here for more details.");
}

// The static captions the .ui files hold reach the windows word for word, access keys included.
TEST(SharedTexts, StaticCaptionsOfTheAboutBoxAndTheExitScreen) {
    TestWorld world;
    auto* about = new frmAbout(world.program);
    world.program.adoptWindow(about);
    frmExitScreen* screen = ShowExitScreen(world.program);

    const auto textOf = [](QWidget* window, const char* name) -> std::string {
        QWidget* control = Child<QWidget>(window, name);
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text().toStdString();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            return frame->title().toStdString();
        return "(no text)";
    };
    EXPECT_EQ(textOf(about, "Label1"),
              "Parsiva is an interactive astrological program that tells you your Iranian "
              "astrology sign and the personality traits that come with it from your date of "
              "birth. Enter your name and birthday, and Parsiva finds your place in the Persian "
              "zodiac.");
    EXPECT_EQ(textOf(about, "lblCobrand"), "Click here for more details");
    EXPECT_EQ(textOf(screen, "cmdClose"), "E&xit");
    EXPECT_EQ(textOf(screen, "Frame6"), "Download Velmora Softwares");
    EXPECT_EQ(textOf(screen, "lblGoToHome"), "Click Here To Visit Velmora Softwares");
    EXPECT_EQ(textOf(screen, "Frame2"), "Refer A Friend");
    EXPECT_EQ(textOf(screen, "cmdSubmit"), "Refer A Friend &Now");
    EXPECT_TRUE(
        textOf(screen, "Label3")
            .starts_with(
                "If you enjoyed using this program, you will also enjoy the many other programs"));
    EXPECT_TRUE(textOf(screen, "Label3").ends_with("download your favourites."));
}

namespace {

// What a Persian window may still show in Latin letters or ASCII digits: web addresses, the
// brand names inside Persian sentences, the version, and the name the person typed.
QString WithoutAllowedLatin(QString text, const QString& typedName) {
    text.remove(typedName);
    static const QRegularExpression address(
        QStringLiteral("(https?://|www\\.)[^\\s\\x{2066}-\\x{2069}]*"));
    text.remove(address);
    for (const char* kept : {"Velmora Forums", "Velmora Softwares", "QX", "*.zod", "1.10"})
        text.remove(QLatin1String(kept));
    return text;
}

// Every text a person sees or hears in the window, with where it is.
QStringList TextsOf(QWidget* window) {
    QStringList texts{QStringLiteral("title: ") + window->windowTitle()};
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty())
            texts << where + QStringLiteral(": ") + text;
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QString name = widget->objectName();
        add(name + QStringLiteral(" (accessible name)"), widget->accessibleName());
        add(name + QStringLiteral(" (accessible description)"), widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(name, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(name, button->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            add(name, frame->title());
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            add(name, line->text());
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            add(name, plain->toPlainText());
        else if (auto* rich = qobject_cast<QTextEdit*>(widget))
            add(name, rich->toPlainText());
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(name, list->itemText(i));
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* top : bar->actions()) {
            add(QStringLiteral("menu"), top->text());
            if (top->menu())
                for (QAction* item : top->menu()->actions())
                    add(QStringLiteral("menu item"), item->text());
        }
    }
    return texts;
}

// Where a window lays out left to right, in the controls or in their layouts.
QStringList UnmirroredParts(QWidget* window) {
    QStringList faults;
    if (!window->isRightToLeft())
        faults << QStringLiteral("the window");
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisible() && !widget->isRightToLeft())
            faults << widget->objectName();
    }
    // Of two controls side by side in a layout, the earlier one lies to the right.
    for (QBoxLayout* row : window->findChildren<QBoxLayout*>()) {
        if (row->direction() != QBoxLayout::LeftToRight)
            continue;
        QWidget* previous = nullptr;
        for (int i = 0; i < row->count(); ++i) {
            QWidget* next = row->itemAt(i)->widget();
            if (!next || !next->isVisible())
                continue;
            if (previous && next->geometry().right() > previous->geometry().left())
                faults << previous->objectName() + QStringLiteral(" is left of ") +
                              next->objectName();
            previous = next;
        }
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        const QList<QAction*> menus = bar->actions();
        for (qsizetype i = 1; i < menus.size(); ++i) {
            if (bar->actionGeometry(menus[i]).right() > bar->actionGeometry(menus[i - 1]).left())
                faults << menus[i - 1]->text() + QStringLiteral(" is left of ") + menus[i]->text();
        }
    }
    // A control the window places by hand stands as far from the right as it would from the left.
    if (auto* label = window->findChild<QWidget*>(QStringLiteral("Label13"))) {
        const QWidget* parent = label->parentWidget();
        if (label->geometry() !=
            QStyle::visualRect(Qt::RightToLeft, parent->rect(), QRect(335, 448, 5, 13)))
            faults << QStringLiteral("Label13 is placed from the left");
    }
    // The report: every line of it reads right to left, whatever script it starts with.
    for (QTextEdit* report : window->findChildren<QTextEdit*>()) {
        for (QTextBlock block = report->document()->begin(); block.isValid();
             block = block.next()) {
            if (!block.text().isEmpty() && block.textDirection() != Qt::RightToLeft)
                faults << QStringLiteral("report line: ") + block.text();
        }
    }
    return faults;
}

class PersianWindow : public ::testing::TestWithParam<WindowCase> {};

// Under the Persian catalogue a window shows no English, and mirrors all its parts.
TEST_P(PersianWindow, ShowsNoEnglishAndIsMirrored) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();

    QStringList english;
    static const QRegularExpression latin(QStringLiteral("[A-Za-z0-9]"));
    for (const QString& text : TextsOf(window)) {
        const QString typedName = QString::fromStdString(world.program.birthDetails.Name);
        if (WithoutAllowedLatin(text.section(QStringLiteral(": "), 1), typedName).contains(latin))
            english << text;
    }
    EXPECT_EQ(english, QStringList());
    EXPECT_EQ(UnmirroredParts(window), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Windows, PersianWindow, ::testing::ValuesIn(PersianWindows()),
                         [](const auto& info) { return info.param.label; });

} // namespace
