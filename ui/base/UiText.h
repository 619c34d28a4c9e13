#pragma once

#include "core/workflow/WorkflowTexts.h"
#include "platform/Messages.h"

#include <QString>

#include <string>
#include <string_view>

class Program;

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

inline MessageIcon ToMessageIcon(parsiva::NoticeIcon icon) {
    return icon == parsiva::NoticeIcon::Critical ? MessageIcon::Critical : MessageIcon::Information;
}

// An OK message box captioned with the program's title.
void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon);
// The same with a second line that says why: detail is a reason, or the line FileProblem makes.
void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon, const QString& detail);
// A file as the person knows it, then what is wrong with it.
QString FileProblem(const QString& path, const QString& problem);
