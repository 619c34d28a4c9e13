#pragma once

#include <QStringList>

// Watches QApplication being made. When it can open no display (none is named, the named one
// refuses, or it never answers), the process prints one line on standard error and ends with
// status 1, in place of Qt's abort and its advice to reinstall. Qt's other messages of that
// moment are held, and passed on once a display is open.
class NoDisplayGuard {
public:
    // Made just before QApplication, from the same command line.
    explicit NoDisplayGuard(const QStringList& arguments);
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};
