#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstddef>
#include <initializer_list>
#include <random>

// The worked example: Ann Lee, August 23, 1975, as the program writes it.
inline const QByteArray AnnLeeFile =
    QByteArray::fromHex("96C3C375A1BABA0D0A96CABCCAC8C90D0A87880D0A868E8C8A0D0A");

// Reading-file lines of plain ASCII texts, each shifted by the codec and ended by CR LF.
inline QByteArray EncodedLines(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines) {
        for (const char* p = line; *p; ++p)
            bytes.append(static_cast<char>(static_cast<unsigned char>(*p) + 85));
        bytes.append("\r\n");
    }
    return bytes;
}

// Random bytes, the same for the same seed on every run.
inline QByteArray Garbage(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes.append(static_cast<char>(engine() & 0xFF));
    return bytes;
}

// A message about a file as the person reads it: the message, then the file and the reason.
inline QString MessageAboutFile(const char* message, const QString& path, const QString& reason) {
    return QString::fromUtf8(message) + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
           QStringLiteral(": ") + reason;
}
