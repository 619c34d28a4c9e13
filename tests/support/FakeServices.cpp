#include "tests/support/FakeServices.h"

#include "app/WindowMoves.h"

#include <QCoreApplication>
#include <QTextDocument>

MessageAnswer FakeMessages::show(QWidget* parent, const QString& text, MessageIcon icon,
                                 MessageButtons buttons, const QString& caption) {
    shown.push_back({text, icon, buttons, caption, parent});
    if (whileShown)
        whileShown();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

float FakeRandom::next() {
    if (values.empty())
        return 0.5f;
    const float value = values.front();
    values.pop_front();
    return value;
}

QString FakeSettingsStore::path(const QString& application, const QString& section,
                                const QString& key) {
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString FakeSettingsStore::read(const QString& application, const QString& section,
                                const QString& key) {
    return values.value(path(application, section, key));
}

bool FakeSettingsStore::write(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    ++writes;
    if (failWrites)
        return false;
    values.insert(path(application, section, key), value);
    return true;
}

QString FakeFileDialogs::answer(QWidget* parent, const QString& chosen, const ChoiceCheck& check) {
    if (chosen.isEmpty() || !check || check(parent, chosen))
        return chosen;
    ++refusals;
    return {};
}

QString FakeFileDialogs::getSaveFileName(QWidget* parent, const QString& title,
                                         const QString& filter, const QString& defaultSuffix,
                                         const ChoiceCheck& check) {
    calls.push_back({true, title, filter, defaultSuffix});
    return answer(parent, saveAnswer, check);
}

QString FakeFileDialogs::getOpenFileName(QWidget* parent, const QString& title,
                                         const QString& filter, const QString& defaultSuffix,
                                         const ChoiceCheck& check) {
    calls.push_back({false, title, filter, defaultSuffix});
    return answer(parent, openAnswer, check);
}

PrintOutcome FakePrinter::print(const QTextDocument& document) {
    if (!succeed)
        return {false, problem};
    printedTexts.append(document.toPlainText());
    return {true, {}};
}

TestWorld::TestWorld()
    : program(Services{messages, instanceLock, random, process, clock, launcher, settings,
                       fileDialogs, printer, clipboard},
              QStringLiteral("parsiva-test")) {
    UseWindowMoves(program);
}

TestWorld::~TestWorld() {
    // Windows left by a test must not reach into the next test's world.
    program.ending = true;
    for (QWidget* window : program.openWindows())
        window->close();
    DeleteClosedWindows();
    m_language.reset();
}

void TestWorld::speak(InterfaceLanguage language) {
    m_language.reset();
    m_language = std::make_unique<LanguageInstallation>(*QCoreApplication::instance(), language);
    program.fontFamilies = m_language->fontFamilies();
}
