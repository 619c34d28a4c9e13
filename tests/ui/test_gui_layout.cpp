#include "tests/support/FakeServices.h"
#include "tests/support/Windows.h"

#include "core/signs/SignCatalogue.h"
#include "ui/base/LinkLabel.h"
#include "ui/base/TextListBox.h"
#include "ui/base/WrappedLabel.h"
#include "ui/readings/frmSave.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEnterEvent>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <QtMath>

#include <functional>
#include <string>
#include <vector>

// Readable failure output for Qt texts.
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << texts.join(QStringLiteral("\n")).toStdString();
}

namespace {

// The windows' own controls; Qt's inner parts (viewports, scroll bar holders) have no name or a
// "qt_" one.
bool IsOwnControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && widget->isVisible();
}

// The size a control needs to show all of its text, or an invalid size when it has none to show.
QSize Needed(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (!label->wordWrap())
            return label->sizeHint();
        // A wrapped label needs its longest word across and all its lines down.
        return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
    }
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget))
        return widget->sizeHint();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->minimumSizeHint(); // the title across, the contents at their least
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(line);
        option.lineWidth = line->hasFrame() ? 1 : 0;
        // Qt keeps two pixels clear on each side of the text.
        const int room =
            line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line).width() - 4;
        const int text = line->fontMetrics().horizontalAdvance(line->text());
        return {line->width() + text - room, line->height()};
    }
    return {};
}

QString Named(const QWidget* widget) {
    return widget->objectName();
}

QString Rect(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// What a person would find cut off or covered in the window as it stands; empty when nothing.
QStringList LayoutFaults(QWidget* window) {
    QStringList faults;
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* widget : controls) {
        if (!IsOwnControl(widget))
            continue;
        const QSize need = Needed(widget);
        if (need.isValid() && (need.width() > widget->width() || need.height() > widget->height()))
            faults << QStringLiteral("%1 needs %2x%3 but has %4x%5")
                          .arg(Named(widget))
                          .arg(need.width())
                          .arg(need.height())
                          .arg(widget->width())
                          .arg(widget->height());
        QWidget* parent = widget->parentWidget();
        // What a scroll area holds may be larger than its view: the rest is scrolled to.
        const auto* area = qobject_cast<QAbstractScrollArea*>(parent->parentWidget());
        const bool scrolled = area && area->viewport() == parent;
        if (!scrolled && !parent->rect().contains(widget->geometry()))
            faults << QStringLiteral("%1 at %2 sticks out of %3 (%4)")
                          .arg(Named(widget), Rect(widget->geometry()), Named(parent),
                               Rect(parent->rect()));
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (!IsOwnControl(a) || !IsOwnControl(b) || a->parentWidget() != b->parentWidget())
                continue;
            // The two offers lie one over the other by design.
            const QSet<QString> pair{Named(a), Named(b)};
            if (pair == QSet<QString>{QStringLiteral("lblCobrand"), QStringLiteral("lblFullBrand")})
                continue;
            if (a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(Named(a), Named(b));
        }
    }
    return faults;
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class WindowLayout : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowLayout, ShowsEveryTextWholeAsOpenedAndAtItsSmallest) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    ASSERT_NE(window, nullptr);
    Settle();
    EXPECT_EQ(LayoutFaults(window), QStringList())
        << "as opened, " << Rect(window->geometry()).toStdString();

    // However far the user shrinks it.
    window->resize(1, 1);
    Settle();
    EXPECT_EQ(LayoutFaults(window), QStringList())
        << "at its smallest, " << Rect(window->geometry()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout, ::testing::ValuesIn(AllWindows()),
                         [](const auto& info) { return info.param.label; });

// On any screen, at any scale: the whole window, its title bar and close box included, lies in
// the screen's free area, and the window can be made no larger than that area either.
TEST_P(WindowLayout, FitsTheScreenItOpensOn) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    ASSERT_NE(window, nullptr);
    Settle();
    const QScreen* screen = window->screen();
    ASSERT_NE(screen, nullptr);
    const QRect room = screen->availableGeometry();
    SCOPED_TRACE(QStringLiteral("screen %1 at scale %2")
                     .arg(Rect(room))
                     .arg(window->devicePixelRatioF())
                     .toStdString());
    EXPECT_TRUE(room.contains(window->frameGeometry()))
        << Rect(window->frameGeometry()).toStdString();
    const QSize frame = window->frameGeometry().size() - window->size();
    EXPECT_LE(window->minimumWidth() + frame.width(), room.width());
    EXPECT_LE(window->minimumHeight() + frame.height(), room.height());
    // Whatever does not fit is reachable by scrolling, never cut off.
    EXPECT_EQ(LayoutFaults(window), QStringList());
}

// How far the frame's edge on one side stands out from the fill inside the frame: the largest
// difference in lightness over the device pixels from just outside the edge to a little way in,
// where a style may draw it at any scale.
int EdgeContrast(const QImage& image, const QRect& frame, qreal scale, Qt::Edge edge) {
    const QRectF device(frame.x() * scale, frame.y() * scale, frame.width() * scale,
                        frame.height() * scale);
    const QPoint middle = device.center().toPoint();
    // From the edge's device pixel, this many pixels inwards.
    const auto at = [&](int inwards) -> QPoint {
        switch (edge) {
        case Qt::LeftEdge:
            return {qFloor(device.left()) + inwards, middle.y()};
        case Qt::RightEdge:
            return {qCeil(device.right()) - 1 - inwards, middle.y()};
        case Qt::TopEdge:
            return {middle.x(), qFloor(device.top()) + inwards};
        case Qt::BottomEdge:
            return {middle.x(), qCeil(device.bottom()) - 1 - inwards};
        }
        return {};
    };
    const int inside = image.pixelColor(at(qRound(4 * scale))).lightness();
    int contrast = 0;
    for (int inwards = -1; inwards <= qCeil(2.5 * scale); ++inwards) {
        if (image.rect().contains(at(inwards)))
            contrast =
                std::max(contrast, std::abs(image.pixelColor(at(inwards)).lightness() - inside));
    }
    return contrast;
}

class OfferFrame : public ::testing::TestWithParam<WindowCase> {};

// The frame round the offers keeps all four of its edges, whatever the scale rounds to.
TEST_P(OfferFrame, ShowsAllFourEdges) {
    TestWorld world;
    QWidget* window = GetParam().open(world);
    ASSERT_NE(window, nullptr);
    Settle();
    auto* frame = window->findChild<QFrame*>(QStringLiteral("fraFullBrand"));
    ASSERT_NE(frame, nullptr);
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect where(frame->mapTo(window, QPoint(0, 0)), frame->size());
    const int left = EdgeContrast(image, where, scale, Qt::LeftEdge);
    ASSERT_GT(left, 10) << "the left edge should stand out at scale " << scale;
    for (const Qt::Edge edge : {Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge})
        EXPECT_GE(EdgeContrast(image, where, scale, edge), left / 2)
            << "edge " << edge << " at scale " << scale << ", left edge " << left;
}

std::vector<WindowCase> WindowsWithOffers() {
    std::vector<WindowCase> found;
    for (const WindowCase& window : AllWindows()) {
        if (window.label == "BirthDetails" || window.label == "Report" ||
            window.label == "ResultShahrivar")
            found.push_back(window);
    }
    return found;
}

INSTANTIATE_TEST_SUITE_P(Windows, OfferFrame, ::testing::ValuesIn(WindowsWithOffers()),
                         [](const auto& info) { return info.param.label; });

TEST(ReportWindow, OpensAtTheTopOfTheReportWithTheCaretAtItsEnd) {
    TestWorld world;
    QTextEdit* box = ShowReport(world)->richTextBox();
    Settle();
    ASSERT_GT(box->verticalScrollBar()->maximum(), 0) << "the report should need scrolling";
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
}

// A link remembers its heights, but never past a change of what decides them.
TEST(LinkLabels, HeightForAWidthFollowsTheTextTheFontAndTheMargin) {
    LinkLabel label;
    label.setText(QStringLiteral("Click here"));
    const int oneLine = label.heightForWidth(200);
    EXPECT_EQ(label.heightForWidth(200), oneLine);
    label.setText(QString(QStringLiteral("Click here for more details. ")).repeated(8));
    const int severalLines = label.heightForWidth(200);
    EXPECT_GT(severalLines, oneLine);
    EXPECT_GT(label.heightForWidth(100), severalLines);
    QFont larger = label.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    label.setFont(larger);
    EXPECT_GT(label.heightForWidth(200), severalLines);
    const int beforeMargin = label.heightForWidth(200);
    label.setMargin(20);
    LinkLabel fresh;
    fresh.setText(label.text());
    fresh.setFont(label.font());
    fresh.setMargin(20);
    EXPECT_EQ(label.heightForWidth(200), fresh.heightForWidth(200));
    EXPECT_GT(label.heightForWidth(200), beforeMargin);
}

// The rows of `image` that hold any pixel other than its top-left one.
std::pair<int, int> InkRows(const QImage& image) {
    const QRgb paper = image.pixel(0, 0);
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != paper) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// The columns that hold ink, as InkRows.
std::pair<int, int> InkColumns(const QImage& image) {
    return InkRows(image.transformed(QTransform().rotate(90)));
}

QImage Painted(QWidget& widget, const QSize& size) {
    widget.resize(size);
    QImage image(size, QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

struct WrappedCase {
    const char* label;
    const char* text;
    Qt::LayoutDirection direction;
    QStringList families;
};

class WrappedLabels : public ::testing::TestWithParam<WrappedCase> {};

// At any width a layout may give it, a wrapped label's height holds every line it paints, its
// least width its longest word, and its text starts at the edge its direction reads from.
TEST_P(WrappedLabels, PaintWithinTheSizesTheyAskFor) {
    WrappedLabel label;
    label.setLayoutDirection(GetParam().direction);
    QFont font = label.font();
    font.setFamilies(GetParam().families);
    label.setFont(font);
    label.setText(QString::fromUtf8(GetParam().text));
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int least = label.minimumSizeHint().width();
    for (const int width : {least, 150, 300, 600}) {
        SCOPED_TRACE(width);
        const int height = label.heightForWidth(width);
        const QImage fitted = Painted(label, {width, height});
        const QImage roomy = Painted(label, {width, height + 40});
        const auto [top, bottom] = InkRows(fitted);
        ASSERT_GE(top, 0) << "nothing painted";
        // With room to spare below, no more ink appears: nothing was cut off.
        EXPECT_EQ(InkRows(roomy), std::make_pair(top, bottom));
        EXPECT_GE(height - 1 - bottom, 0);
        const auto [left, right] = InkColumns(Painted(label, {width, height}));
        if (GetParam().direction == Qt::LeftToRight)
            EXPECT_LE(left, 2);
        else
            EXPECT_GE(right, width - 3);
    }
    EXPECT_LT(label.heightForWidth(600), label.heightForWidth(least));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WrappedLabels,
    ::testing::Values(WrappedCase{"English",
                                  "Parsiva gives your Iranian astrology sign based on your date of "
                                  "birth. Just enter your date of birth and get your reading!",
                                  Qt::LeftToRight,
                                  {QStringLiteral("DejaVu Sans")}},
                      WrappedCase{
                          "Persian",
                          "پارسیوا از روی تاریخ تولدتان نشان طالع ایرانی شما را می\u200cگوید. "
                          "Velmora Forums بهترین تالار گفتگوست!",
                          Qt::RightToLeft,
                          {QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("DejaVu Sans")}}),
    [](const auto& info) { return std::string(info.param.label); });

// A list's size is QComboBox's own for the same texts, however they came and changed.
TEST(TextListBoxes, AreSizedAsQComboBoxSizesTheSameTexts) {
    const QLocale persian(QLocale::Persian, QLocale::Iran);
    const std::vector<QStringList> lists{
        {QStringLiteral("January"), QStringLiteral("September"), QStringLiteral("May")},
        [&] {
            QStringList years;
            for (int year = 1900; year <= 2050; ++year)
                years << persian.toString(year).remove(persian.groupSeparator());
            return years;
        }(),
        {persian.standaloneMonthName(2), persian.standaloneMonthName(9)},
        {}};
    for (const QStringList& texts : lists) {
        SCOPED_TRACE(texts.join(u' ').toStdString());
        QComboBox qt;
        TextListBox ours;
        const auto same = [&] {
            EXPECT_EQ(ours.sizeHint(), qt.sizeHint());
            EXPECT_EQ(ours.minimumSizeHint(), qt.minimumSizeHint());
        };
        same();
        for (QComboBox* list : {&qt, static_cast<QComboBox*>(&ours)})
            list->addItems(texts);
        same();
        for (QComboBox* list : {&qt, static_cast<QComboBox*>(&ours)}) {
            list->addItem(QStringLiteral("A much longer text than the others"));
            QFont larger = list->font();
            larger.setPointSizeF(larger.pointSizeF() * 1.5);
            list->setFont(larger);
        }
        EXPECT_EQ(ours.sizeHint(), qt.sizeHint());
        // QComboBox keeps its least size past a change of font; one made afresh shows the truth.
        QComboBox fresh;
        fresh.setFont(qt.font());
        for (int i = 0; i < qt.count(); ++i)
            fresh.addItem(qt.itemText(i));
        EXPECT_EQ(ours.minimumSizeHint(), fresh.minimumSizeHint());
    }
}

TEST(LinkLabels, AreUnderlinedOnlyWhileThePointerIsOverThem) {
    LinkLabel label;
    label.setText(QStringLiteral("Click here for more details"));
    EXPECT_FALSE(label.font().underline());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.font().underline());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.font().underline());
}

} // namespace
