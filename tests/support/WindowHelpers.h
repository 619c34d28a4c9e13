#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <ostream>

// Readable failure output for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The visible top-level windows of one type.
template <class Window> QList<Window*> OpenWindowsOf() {
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

// The control of this name in a window; the test fails where it is missing.
template <class T> T* Child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The one open window of this type, or null when there is none or more than one.
template <class Window> Window* TheOnly() {
    const auto windows = OpenWindowsOf<Window>();
    return windows.size() == 1 ? windows.front() : nullptr;
}

// An address's query: its keys in their order and each value fully decoded, as a receiving
// page would read them.
struct DecodedQuery {
    QStringList keys;
    QMap<QString, QString> values;
};
DecodedQuery DecodeQuery(const QString& address);

// Carries out the deletions that closed windows have asked for.
void DeleteClosedWindows();
