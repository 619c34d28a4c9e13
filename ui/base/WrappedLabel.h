#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QSize>
#include <QString>

#include <memory>

class QTextLayout;

// A label of plain text wrapped at word boundaries, with no selection and no access key, that lays
// its text out once for each width it is asked about. QLabel lays the whole text out afresh,
// shaping included, for every size a layout asks of it (each hint tries up to five widths), and a
// focusable QLabel does so through a rich-text document, twice per question. Persian text costs
// twice what Latin does to shape, so that work is most of what a window's first showing costs.
//
// The sizes follow QLabel's rules for a wrapped label: the longest word across and one line
// down at least, the golden-ratio width it prefers, and the height at each width. What
// is painted is the very layout those sizes were measured on, so a size can never promise room that
// the painted text then lacks.
class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappedLabel(QWidget* parent = nullptr);
    ~WrappedLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Settings {
        QString text;
        QFont font;
        int margin = -1;
        int indent = -1;
        Qt::Alignment alignment;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool operator==(const Settings&) const = default;
    };

    // Space round the text: the margin on each side, and the indent on the aligned one.
    QSize extra() const;
    struct Measure {
        QSize size;
        int firstLine = 0;
    };

    // The text's size when its lines may be `width` wide, and its first line's height.
    Measure measured(int width) const;
    QSize textSize(int width) const;
    std::unique_ptr<QTextLayout> laidOut(int width, Measure* measure) const;
    void forgetIfChanged() const;

    mutable Settings m_settings;
    mutable QHash<int, Measure> m_sizes;
    // The layout at the width last asked about, which is the width painted once layouts settle.
    mutable std::unique_ptr<QTextLayout> m_kept;
    mutable int m_keptWidth = -2;
};
