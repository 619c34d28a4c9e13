#include "ui/base/UiText.h"

#include "core/readings/ReadingTexts.h"
#include "core/workflow/WorkflowTexts.h"
#include "ui/base/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

QString Translated(std::string_view marked) {
    static const std::string scope(parsiva::TextScope);
    // The lookup wants the source as a terminated string; a view need not be one.
    return QCoreApplication::translate(scope.c_str(), std::string(marked).c_str());
}

QString ShownProgramTitle() {
    return Translated(parsiva::ShownTitle);
}

QString ShownWindowCaption() {
    return Translated(parsiva::CaptionPattern)
        .arg(ShownProgramTitle(), ToQString(parsiva::ProgramVersion));
}

std::string InterfaceWording::Text(std::string_view marked) const {
    return ToStdString(Translated(marked));
}

std::string InterfaceWording::Number(int number) const {
    return ToStdString(QLocale().toString(number));
}

std::string InterfaceWording::Year(int year) const {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return ToStdString(locale.toString(year));
}

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon) {
    program.services.messages.show(parent, Translated(message), ToMessageIcon(icon),
                                   MessageButtons::Ok, ShownProgramTitle());
}

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon, const QString& detail) {
    program.services.messages.show(parent, Translated(message) + QLatin1Char('\n') + detail,
                                   ToMessageIcon(icon), MessageButtons::Ok, ShownProgramTitle());
}

QString FileProblem(const QString& path, const QString& problem) {
    return Translated(parsiva::FileProblemPattern).arg(QDir::toNativeSeparators(path), problem);
}
