#include "ui/base/ProgramIcon.h"

#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <initializer_list>

// Outside any namespace, as the resource macro requires; the reference also keeps the
// resource in the link of the static library.
static void InitIconResource() {
    Q_INIT_RESOURCE(ProgramIcon);
}

namespace {

// Window icons and the pictures need no more than 64 px on an unscaled screen. Every size the
// icon lists is decoded, and sent to the X server, for each window at start-up; so it lists
// these, and the larger renderings are read only when a scaled screen asks for more pixels.
constexpr std::initializer_list<int> OrdinarySizes = {16, 32, 48, 64};
constexpr std::initializer_list<int> LargeSizes = {128, 256};
constexpr int LargestOrdinary = 64;
constexpr int Largest = 256;

QIcon Renderings(std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/parsiva-%1.png").arg(size), QSize(size, size));
    return icon;
}

class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        // size is in device pixels here: QIcon has already multiplied it by the screen's scale.
        return renderingsFor(size).pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), Largest});
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : OrdinarySizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    const QIcon& renderingsFor(const QSize& size) {
        if (std::max(size.width(), size.height()) > LargestOrdinary) {
            if (m_large.isNull())
                m_large = Renderings(LargeSizes);
            return m_large;
        }
        if (m_ordinary.isNull())
            m_ordinary = Renderings(OrdinarySizes);
        return m_ordinary;
    }

    QIcon m_ordinary;
    QIcon m_large;
};

} // namespace

QIcon ProgramIcon() {
    static const bool initialised = (InitIconResource(), true);
    (void)initialised;
    return QIcon(new ProgramIconEngine);
}
