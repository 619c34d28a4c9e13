#include "app/CommandLine.h"

#include "core/workflow/WorkflowTexts.h"
#include "ui/base/UiText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The options QGuiApplication and QApplication read themselves, with whether they take a value.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"name", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"dialogs", true},         {"fontengine", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},           {"testability", false},
};

} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb), so no option is a group of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Find your sign in the Iranian (Persian) zodiac."));
    // Our own help and version: Qt's would add --help-all, which needs a running application.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    //: The name of the command line's one argument, as the help lists it.
    const QString file = QCoreApplication::translate("CommandLine", "FILE");
    parser.addPositionalArgument(
        file, QCoreApplication::translate("CommandLine", "A reading file (.zod) to open."),
        QLatin1Char('[') + file + QLatin1Char(']'));

    const QString programName =
        arguments.isEmpty() ? QStringLiteral("parsiva") : QFileInfo(arguments.first()).fileName();
    // Qt names the program in the usage line only once an application runs, so it is ours.
    const auto helpText = [&] {
        const QString text = parser.helpText();
        return QCoreApplication::translate("CommandLine", "Usage: %1 [options] [FILE]")
                   .arg(programName) +
               text.mid(text.indexOf(u'\n'));
    };

    CommandLineRequest request;
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(help)) {
        request.exitCode = 0;
        request.output = helpText();
        return request;
    }
    if (parsed && parser.isSet(version)) {
        request.exitCode = 0;
        request.output =
            ToQString(parsiva::ProgramTitle) + u' ' + ToQString(parsiva::ProgramVersion) + u'\n';
        return request;
    }
    QString error = parser.errorText();
    const QStringList files = parser.positionalArguments();
    if (parsed && files.size() > 1)
        error = QCoreApplication::translate("CommandLine", "Only one file can be opened.");
    if (!parsed || !error.isEmpty()) {
        request.exitCode = 2;
        request.output = programName + QStringLiteral(": ") + error + u'\n' + helpText();
        request.outputIsError = true;
        return request;
    }
    if (!files.isEmpty())
        request.readingPath = QFileInfo(files.first()).absoluteFilePath();
    return request;
}
