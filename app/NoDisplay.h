#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Puts the line's texts, and its number, into the interface's language. No application exists
// while the line is made, so QCoreApplication::translate cannot serve: the catalogue is read
// directly. The default is English.
struct NoDisplayText {
    // A text marked with QT_TRANSLATE_NOOP, and the context it was marked under.
    std::function<QString(const char* context, const char* source)> lookup;
    std::function<QString(long long)> numberText;

    QString operator()(const char* source, const char* context = "NoDisplay") const {
        return lookup ? lookup(context, source) : QString::fromUtf8(source);
    }
    QString number(long long value) const {
        return numberText ? numberText(value) : QString::number(value);
    }
};

// Watches QApplication being made. When it can open no display (none is named, the named one
// refuses, or it never answers), the process prints one line on standard error and ends with
// status 1, in place of Qt's abort and its advice to reinstall. Qt's other messages of that
// moment are held, and passed on once a display is open.
class NoDisplayGuard {
public:
    // Made just before QApplication, from the same command line.
    explicit NoDisplayGuard(const QStringList& arguments, const NoDisplayText& text = {});
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};
