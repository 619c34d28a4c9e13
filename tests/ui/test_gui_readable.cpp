// Every window as a person who cannot see it well, or at all, meets it: texts readable on a
// light and on a dark desktop, and controls named by what they show.
#include "tests/support/FakeServices.h"
#include "tests/support/Windows.h"

#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

// Readable failure output for Qt texts.
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << texts.join(QStringLiteral("\n")).toStdString();
}

namespace {

void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// --- Contrast, from the pixels drawn.

double Luminance(QRgb pixel) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A dark desktop as GTK's Adwaita dark paints it: light text on dark grey, a mid-blue for links.
QPalette DarkDesktop() {
    QPalette dark;
    const QColor window(53, 53, 53), base(45, 45, 45), text(238, 238, 236);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(53, 132, 228));
    dark.setColor(QPalette::LinkVisited, QColor(27, 106, 203));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    return dark;
}

// Where a control draws its text, in its own coordinates; empty when it shows none.
QRect TextArea(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().isEmpty() ? QRect() : label->contentsRect();
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text().isEmpty() ? QRect() : line->rect().adjusted(3, 3, -3, -3);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo);
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                            box);
    }
    if (auto* edit = qobject_cast<QTextEdit*>(widget))
        return edit->viewport()->geometry();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return edit->viewport()->geometry();
    return {};
}

// The contrast of a text with what lies behind it: the area's commonest colour is taken as the
// background, and the pixel farthest from it as the text. None when nothing is drawn there.
std::optional<double> DrawnContrast(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000];
    if (counts.size() < 2)
        return std::nullopt;
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, Contrast(background, it.key()));
    return best;
}

struct Desktop {
    const char* label;
    bool dark;
};

struct ContrastCase {
    WindowCase window;
    Desktop desktop;
};

void PrintTo(const ContrastCase& c, std::ostream* out) {
    *out << c.window.label << " on " << c.desktop.label;
}

class Readable : public ::testing::TestWithParam<ContrastCase> {
protected:
    void TearDown() override { QApplication::setPalette(m_light); }
    const QPalette m_light = QApplication::palette();
};

TEST_P(Readable, EveryTextStandsOutFromWhatIsBehindIt) {
    const ContrastCase& c = GetParam();
    if (c.desktop.dark)
        QApplication::setPalette(DarkDesktop());
    TestWorld world;
    QWidget* window = c.window.open(world);
    ASSERT_NE(window, nullptr);
    Settle();
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();

    QStringList faults;
    int measured = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect area = TextArea(widget);
        if (area.isEmpty())
            continue;
        const QRect inWindow(widget->mapTo(window, area.topLeft()), area.size());
        const QRectF pixels(QPointF(inWindow.topLeft()) * scale, QSizeF(inWindow.size()) * scale);
        const auto contrast = DrawnContrast(image, pixels.toRect() & image.rect());
        if (!contrast) {
            faults << widget->objectName() + QStringLiteral(": no text drawn");
            continue;
        }
        ++measured;
        if (*contrast < 4.5)
            faults
                << QStringLiteral("%1: %2:1").arg(widget->objectName()).arg(*contrast, 0, 'f', 2);
    }
    EXPECT_GT(measured, 3);
    EXPECT_EQ(faults, QStringList());
}

std::vector<ContrastCase> ContrastCases() {
    std::vector<ContrastCase> cases;
    for (const Desktop desktop : {Desktop{"Light", false}, Desktop{"Dark", true}})
        for (const WindowCase& window : AllWindows())
            cases.push_back({window, desktop});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Windows, Readable, ::testing::ValuesIn(ContrastCases()),
                         [](const auto& info) {
                             return info.param.window.label + info.param.desktop.label;
                         });

// --- What a screen reader announces.

// A caption without its access-key markers, as it is seen.
QString Seen(QString caption) {
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// The text a control shows as its label, or an empty text.
QString ShownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QString text = label->text();
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        return label->buddy() ? Seen(text) : text;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return Seen(button->text());
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return Seen(box->title());
    return {};
}

QString NameOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

class ScreenReader : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ScreenReader, NamesEachControlWithTheWordsItShowsAndTheWindowAsAWindow) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    ASSERT_NE(window, nullptr);
    Settle();
    QStringList faults;
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog)
        faults << QStringLiteral("the window is announced with role %1").arg(role);

    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QString shown = ShownText(widget);
        const QString name = NameOf(widget);
        if (!shown.isEmpty() && !name.contains(shown))
            faults << QStringLiteral("%1 shows \"%2\" but is named \"%3\"")
                          .arg(widget->objectName(), shown, name);
    }
    // The menu bar's captions and their menus' items.
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* top : bar->actions()) {
            QList<QAction*> items{top};
            if (top->menu())
                items += top->menu()->actions();
            for (QAction* item : items) {
                QWidget* holder = item == top ? static_cast<QWidget*>(bar) : top->menu();
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(holder);
                const qsizetype index = holder->actions().indexOf(item);
                if (item->isSeparator() || !face || index >= face->childCount())
                    continue;
                const QString name = face->child(static_cast<int>(index))->text(QAccessible::Name);
                if (!name.contains(Seen(item->text())))
                    faults << QStringLiteral("menu item shows \"%1\" but is named \"%2\"")
                                  .arg(Seen(item->text()), name);
            }
        }
    }
    EXPECT_EQ(faults, QStringList());
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenReader, ::testing::ValuesIn(AllWindows()),
                         [](const auto& info) { return info.param.label; });

// Of the two offers laid one over the other, only the one in front is there for a screen reader.
TEST(ScreenReader, AnnouncesOnlyTheOfferInFront) {
    for (const float draw : {0.0f, 0.5f, 0.9999f}) { // the co-brand, the fully-branded, no pick
        TestWorld world;
        world.random.values = {draw};
        ASSERT_TRUE(StartUp(world.program));
        frmMain* form = TheOnly<frmMain>();
        ASSERT_NE(form, nullptr);
        Settle();
        auto* frame = Child<QWidget>(form, "fraFullBrand");
        QWidget* seen = frame->childAt(frame->rect().center());
        ASSERT_NE(seen, nullptr);
        for (const char* name : {"lblCobrand", "lblFullBrand"}) {
            auto* offer = Child<QLabel>(form, name);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(offer);
            EXPECT_EQ(face->state().invisible, offer != seen) << name << " after " << draw;
        }
    }
}

} // namespace
