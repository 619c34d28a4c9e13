#pragma once

#include "tests/support/WindowHelpers.h"

#include "platform/Services.h"
#include "ui/base/Program.h"
#include "app/Language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString caption;
    QPointer<QWidget> parent;
};

class FakeMessages final : public Messages {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons, const QString& caption) override;
    std::vector<RecordedMessage> shown;
    // Answers to Yes/No questions, taken in turn; Yes when none is left.
    std::deque<MessageAnswer> answers;
    // Runs while the box would be on screen, to look at the world at that moment.
    std::function<void()> whileShown;
};

class FakeInstanceLock final : public InstanceLock {
public:
    bool tryLock() override { return !otherCopyRunning; }
    bool otherCopyRunning = false;
};

class FakeRandom final : public Random {
public:
    void seedFromClock() override { ++seeds; }
    float next() override;
    int seeds = 0;
    std::deque<float> values; // taken in turn; 0.5 when none is left
};

class FakeProcess final : public Process {
public:
    void end() override { ++ends; }
    int ends = 0;
};

class FakeClock final : public Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 9};
};

class FakeLauncher final : public Launcher {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    static QString path(const QString& application, const QString& section, const QString& key);
    QMap<QString, QString> values; // "application/section/key" -> value
    bool failWrites = false;
    int writes = 0;
};

class FakeFileDialogs final : public FileDialogs {
public:
    struct Call {
        bool save;
        QString title;
        QString filter;
        QString defaultSuffix;
    };
    // The answer goes through the caller's check as the real dialog's choice would; a refused
    // answer counts in refusals and then the user cancels.
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const ChoiceCheck& check) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const ChoiceCheck& check) override;
    std::vector<Call> calls;
    QString saveAnswer; // empty: the user cancels
    QString openAnswer; // empty: the user cancels
    int refusals = 0;

private:
    QString answer(QWidget* parent, const QString& chosen, const ChoiceCheck& check);
};

class FakePrinter final : public Printer {
public:
    PrintOutcome print(const QTextDocument& document) override;
    bool succeed = true;
    QString problem;          // why a failing print failed; empty when no reason is known
    QStringList printedTexts; // the plain text of every document handed over
};

class FakeClipboard final : public Clipboard {
public:
    void clear() override { ++clears; }
    int clears = 0;
};

// A fresh program with every desktop service faked; one per test.
struct TestWorld {
    TestWorld();
    ~TestWorld();

    // Puts the application and this program into a language until the world ends; English, the
    // source language, is what a world starts in.
    void speak(InterfaceLanguage language);

    FakeMessages messages;
    FakeInstanceLock instanceLock;
    FakeRandom random;
    FakeProcess process;
    FakeClock clock;
    FakeLauncher launcher;
    FakeSettingsStore settings;
    FakeFileDialogs fileDialogs;
    FakePrinter printer;
    FakeClipboard clipboard;
    Program program;

private:
    std::unique_ptr<LanguageInstallation> m_language;
};

// The fakes of a TestWorld, with the services a test brings of its own in their place.
struct ServiceOverrides {
    FileDialogs* fileDialogs = nullptr;
    SettingsStore* settings = nullptr;
    Launcher* launcher = nullptr;
};

inline Services ServicesOf(TestWorld& world, const ServiceOverrides& own = {}) {
    return Services{.messages = world.messages,
                    .instanceLock = world.instanceLock,
                    .random = world.random,
                    .process = world.process,
                    .clock = world.clock,
                    .launcher = own.launcher ? *own.launcher : world.launcher,
                    .settings = own.settings ? *own.settings : world.settings,
                    .fileDialogs = own.fileDialogs ? *own.fileDialogs : world.fileDialogs,
                    .printer = world.printer,
                    .clipboard = world.clipboard};
}
