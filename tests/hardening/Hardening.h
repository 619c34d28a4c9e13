#pragma once

#include "tests/support/FakeServices.h"
#include "tests/support/ReadingFixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <string>

namespace hardening {

// Closes what a program left open, so its windows cannot reach into the next test.
inline void CloseEverything(Program& program) {
    program.ending = true;
    for (QWidget* window : program.openWindows())
        window->close();
    DeleteClosedWindows();
}

inline QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// One field of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 when absent.
inline std::size_t StatusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toULongLong() * 1024;
    }
    return 0;
}

inline std::size_t ResidentBytes() {
    return StatusBytes("VmRSS");
}

// Starts the peak resident set afresh from the current one, so a later peak is this test's own.
inline bool ResetPeakResident() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

inline std::size_t PeakResidentBytes() {
    return StatusBytes("VmHWM");
}

// Bytes this process has pulled through read calls so far, from /proc/self/io: what a reader
// took from a file, counted without a clock.
inline std::size_t BytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toULongLong();
    }
    return 0;
}

} // namespace hardening
