#pragma once

#include "core/Wording.h"
#include "core/workflow/WorkflowTexts.h"
#include "platform/Messages.h"

#include <QString>

#include <string>
#include <string_view>

class Program;

// Data as it is, with no translation: names, addresses, file names.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

// A text the core marked with QT_TRANSLATE_NOOP("Parsiva", ...), in the interface's language.
QString Translated(std::string_view marked);

// The program's title and the windows' caption, in the interface's language.
QString ShownProgramTitle();
QString ShownWindowCaption();

// The core's sentences in the interface's language: its translations, and numbers as the
// interface's locale (QLocale(), which the composition root sets to the interface's language)
// writes them.
class InterfaceWording final : public parsiva::Wording {
public:
    std::string Text(std::string_view marked) const override;
    std::string Number(int number) const override;
    std::string Year(int year) const override;
};

inline MessageIcon ToMessageIcon(parsiva::NoticeIcon icon) {
    return icon == parsiva::NoticeIcon::Critical ? MessageIcon::Critical : MessageIcon::Information;
}

// An OK message box captioned with the program's title; the message is a marked text.
void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon);
// The same with a second line that says why: detail is a reason, or the line FileProblem makes.
void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon, const QString& detail);
// A file as the person knows it, then what is wrong with it.
QString FileProblem(const QString& path, const QString& problem);
