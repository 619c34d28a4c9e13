#include "ui/readings/RichTextLinks.h"

#include "core/readings/WebAddresses.h"
#include "ui/base/Program.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <vector>

namespace {

// Keeps the colour a fragment had before it became a link, to give it back when it stops
// being one.
constexpr int PlainForeground = QTextFormat::UserProperty + 1;

std::u16string_view Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QTextCharFormat AsLink(QTextCharFormat format, const QString& target) {
    if (!format.isAnchor() && format.hasProperty(QTextFormat::ForegroundBrush))
        format.setProperty(PlainForeground, format.foreground());
    format.setAnchor(true);
    format.setAnchorHref(target);
    format.setForeground(QColor(0, 0, 255));
    format.setFontUnderline(true);
    return format;
}

QTextCharFormat AsPlain(QTextCharFormat format) {
    format.clearProperty(QTextFormat::IsAnchor);
    format.clearProperty(QTextFormat::AnchorHref);
    format.clearProperty(QTextFormat::TextUnderlineStyle);
    format.clearProperty(QTextFormat::FontUnderline);
    if (format.hasProperty(PlainForeground)) {
        format.setForeground(format.property(PlainForeground).value<QBrush>());
        format.clearProperty(PlainForeground);
    } else {
        format.clearForeground();
    }
    return format;
}

struct Link {
    int start; // document positions
    int end;
    QString target;
};

void Restyle(QTextDocument* document, int start, int end, const QTextCharFormat& format) {
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
}

// Brings the anchors of one block in line with the addresses its text now holds.
void MarkBlock(QTextDocument* document, const QTextBlock& block) {
    const QString text = block.text();
    std::vector<Link> links;
    for (const parsiva::TextSpan& span : parsiva::FindWebAddresses(Utf16(text))) {
        const auto start = static_cast<qsizetype>(span.Start);
        const auto length = static_cast<qsizetype>(span.Length);
        const std::u16string target = parsiva::LinkTarget(Utf16(text.mid(start, length)));
        links.push_back({block.position() + static_cast<int>(start),
                         block.position() + static_cast<int>(start + length),
                         QString::fromUtf16(target.data(), static_cast<qsizetype>(target.size()))});
    }

    struct Piece {
        int start;
        int end;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        pieces.push_back(
            {fragment.position(), fragment.position() + fragment.length(), fragment.charFormat()});
    }
    // Formats are worked out from the fragments as they were, then applied.
    for (const Piece& piece : pieces) {
        int at = piece.start;
        while (at < piece.end) {
            const Link* inside = nullptr;
            int until = piece.end;
            for (const Link& link : links) {
                if (link.start <= at && at < link.end) {
                    inside = &link;
                    until = std::min(until, link.end);
                    break;
                }
                if (link.start > at)
                    until = std::min(until, link.start);
            }
            const bool isLink = piece.format.isAnchor();
            if (inside && !(isLink && piece.format.anchorHref() == inside->target))
                Restyle(document, at, until, AsLink(piece.format, inside->target));
            else if (!inside && isLink)
                Restyle(document, at, until, AsPlain(piece.format));
            at = until;
        }
    }
}

std::vector<Link> LinksOf(const QTextDocument* document) {
    std::vector<Link> spans;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor())
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!spans.empty() && spans.back().end == start &&
                spans.back().target == format.anchorHref())
                spans.back().end = end;
            else
                spans.push_back({start, end, format.anchorHref()});
        }
    }
    return spans;
}

// Tab and Shift+Tab select the next or previous link, starting from the picked one or else from
// the first or last; past the end the focus moves on. Enter opens the picked link. True when
// the key was used here.
bool KeyOnLinks(Program& program, QTextEdit* richText, const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QTextCursor cursor = richText->textCursor();
    const std::vector<Link> links = LinksOf(richText->document());
    const Link* picked = nullptr;
    for (const Link& link : links) {
        if (cursor.selectionStart() == link.start && cursor.selectionEnd() == link.end)
            picked = &link;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!picked)
            return false;
        program.services.launcher.open(picked->target);
        return true;
    }
    const bool backward = key->key() == Qt::Key_Backtab ||
                          (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    if (key->key() != Qt::Key_Tab && !backward)
        return false;

    const Link* next = nullptr;
    if (!picked)
        next = links.empty() ? nullptr : backward ? &links.back() : &links.front();
    else if (backward && picked != &links.front())
        next = picked - 1;
    else if (!backward && picked != &links.back())
        next = picked + 1;
    if (!next) {
        cursor.clearSelection();
        richText->setTextCursor(cursor);
        return false;
    }
    cursor.setPosition(next->start);
    cursor.setPosition(next->end, QTextCursor::KeepAnchor);
    richText->setTextCursor(cursor);
    richText->ensureCursorVisible();
    return true;
}

class LinkLayer final : public QObject {
public:
    LinkLayer(Program& program, QTextEdit* richText) : QObject(richText), m_program(program) {
        QTextDocument* document = richText->document();
        connect(document, &QTextDocument::contentsChange, this,
                [this, document](int position, int, int added) {
                    markChanged(document, position, added);
                });
        markChanged(document, 0, document->characterCount());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::KeyPress)
            return KeyOnLinks(m_program, static_cast<QTextEdit*>(parent()),
                              static_cast<QKeyEvent*>(event));
        return LinkWindowProc(m_program, watched, event);
    }

private:
    void markChanged(QTextDocument* document, int position, int added) {
        // Marking changes formats, which reports a change of its own.
        if (m_marking)
            return;
        const QScopedValueRollback marking(m_marking, true);
        const int end = position + added;
        for (QTextBlock block = document->findBlock(position);
             block.isValid() && block.position() <= end; block = block.next())
            MarkBlock(document, block);
    }

    Program& m_program;
    bool m_marking = false;
};

} // namespace

void HookRichTextLinks(Program& program, QTextEdit* richText, QWidget* owner) {
    UnhookRichTextLinks(program);
    LinkHookState& state = program.linkHookState;
    auto* layer = new LinkLayer(program, richText);
    richText->viewport()->installEventFilter(layer);
    // The keys go to the box itself, not to its viewport.
    richText->installEventFilter(layer);
    state.filter = layer;
    state.richText = richText;
    state.owner = owner;
}

void UnhookRichTextLinks(Program& program) {
    LinkHookState& state = program.linkHookState;
    if (!state.filter)
        return;
    if (state.richText) {
        state.richText->viewport()->removeEventFilter(state.filter);
        state.richText->removeEventFilter(state.filter);
    }
    // Deleting the layer also ends the marking of new text.
    delete state.filter.data();
    state.filter = nullptr;
}

bool LinkWindowProc(Program& program, QObject* watched, QEvent* event) {
    const LinkHookState& state = program.linkHookState;
    if (!state.richText || watched != state.richText->viewport())
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString target = state.richText->anchorAt(mouse->position().toPoint());
            if (!target.isEmpty())
                program.services.launcher.open(target);
        }
    } else if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool overLink = !state.richText->anchorAt(mouse->position().toPoint()).isEmpty();
        state.richText->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    }
    return false;
}
