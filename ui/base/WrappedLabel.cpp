#include "ui/base/WrappedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

WrappedLabel::WrappedLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    // Painted as plain text whatever it looks like, so QLabel must not take it for markup.
    setTextFormat(Qt::PlainText);
}

WrappedLabel::~WrappedLabel() = default;

void WrappedLabel::forgetIfChanged() const {
    const Settings now{text(), font(), margin(), indent(), alignment(), layoutDirection()};
    if (now == m_settings)
        return;
    m_settings = now;
    m_sizes.clear();
    m_kept.reset();
    m_keptWidth = -2;
}

QSize WrappedLabel::extra() const {
    int across = 2 * margin();
    int down = across;
    // As QLabel: no indent set but a frame drawn gives half an "x" of room on the aligned side.
    int indentation = indent();
    if (indentation < 0 && frameWidth() > 0)
        indentation = fontMetrics().horizontalAdvance(QLatin1Char('x')) - 2 * margin();
    if (indentation > 0) {
        if (alignment() & (Qt::AlignLeft | Qt::AlignRight))
            across += indentation;
        if (alignment() & (Qt::AlignTop | Qt::AlignBottom))
            down += indentation;
    }
    const QMargins frame = contentsMargins();
    return {across + frame.left() + frame.right(), down + frame.top() + frame.bottom()};
}

std::unique_ptr<QTextLayout> WrappedLabel::laidOut(int width, Measure* measure) const {
    // A line break in the text starts a new line, as in QPainter's own wrapped text.
    QString shown = text();
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(shown, font(), const_cast<WrappedLabel*>(this));
    // QTextLayout takes Qt::AlignLeft literally, so the side to align to is turned for the
    // direction here.
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()) &
                       Qt::AlignHorizontal_Mask);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    qreal down = 0;
    qreal across = 0;
    qreal firstLine = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        // Lines start on whole pixels, as QPainter's own wrapped text does.
        down = std::ceil(down);
        line.setPosition(QPointF(0, down));
        down += line.height();
        across = std::max(across, line.naturalTextWidth());
        if (line.lineNumber() == 0)
            firstLine = line.height();
    }
    layout->endLayout();
    measure->size = QSize(static_cast<int>(std::ceil(across)), static_cast<int>(std::ceil(down)));
    measure->firstLine = static_cast<int>(std::ceil(firstLine));
    return layout;
}

WrappedLabel::Measure WrappedLabel::measured(int width) const {
    forgetIfChanged();
    const int key = std::max(width, 0);
    if (const auto known = m_sizes.constFind(key); known != m_sizes.cend())
        return *known;
    Measure measure;
    auto layout = laidOut(key, &measure);
    m_sizes.insert(key, measure);
    m_kept = std::move(layout);
    m_keptWidth = key;
    return measure;
}

QSize WrappedLabel::textSize(int width) const {
    return measured(width).size;
}

int WrappedLabel::heightForWidth(int width) const {
    const QSize room = extra();
    const int across = std::max(width, minimumWidth()) - room.width();
    return std::max(textSize(std::max(across, 0)).height() + room.height(), minimumHeight());
}

QSize WrappedLabel::minimumSizeHint() const {
    ensurePolished();
    // The longest word across and one line down, both from the text laid out a word a line.
    const QSize room = extra();
    const Measure wordALine = measured(0);
    const QSize size(wordALine.size.width(), wordALine.firstLine);
    return (size + room).expandedTo(minimumSize());
}

QSize WrappedLabel::sizeHint() const {
    ensurePolished();
    // As QLabel: eighty average characters across, narrowed towards the golden ratio while the
    // text is only a few lines down. A frame that may not grow past its hint (the offers') counts
    // on the taller hint this gives a long text.
    const QSize room = extra();
    const int lineSpacing = fontMetrics().lineSpacing();
    const int width =
        std::min(fontMetrics().averageCharWidth() * 80, maximumWidth()) - room.width();
    QSize size = textSize(width);
    if (size.height() < 4 * lineSpacing && size.width() > width / 2)
        size = textSize(width / 2);
    if (size.height() < 2 * lineSpacing && size.width() > width / 4)
        size = textSize(width / 4);
    return (size + room).expandedTo(minimumSize());
}

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QSize room = extra();
    QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const int across = std::max(width() - room.width(), 0);
    const QSize size = textSize(across);
    if (m_keptWidth != across) {
        // Asked about other widths since: lay the text out at this one again.
        m_sizes.remove(across);
        textSize(across);
    }
    // The indent's room lies on the side the text is aligned to.
    const Qt::Alignment visual = QStyle::visualAlignment(layoutDirection(), alignment());
    const int indentRoom =
        room.width() - 2 * margin() - contentsMargins().left() - contentsMargins().right();
    if (visual & Qt::AlignLeft)
        area.setLeft(area.left() + indentRoom);
    else if (visual & Qt::AlignRight)
        area.setRight(area.right() - indentRoom);
    int top = area.top();
    if (alignment() & Qt::AlignVCenter)
        top += std::max(0, (area.height() - size.height()) / 2);
    else if (alignment() & Qt::AlignBottom)
        top += std::max(0, area.height() - size.height());

    QStyleOption option;
    option.initFrom(this);
    painter.setPen(option.palette.color(foregroundRole()));
    m_kept->draw(&painter, QPointF(area.left(), top));
}
