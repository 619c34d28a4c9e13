#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/InstanceLock.h"
#include "platform/Launcher.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"

// What the program asks of the desktop; main() passes the real ones, tests pass fakes.
struct Services {
    Messages& messages;
    InstanceLock& instanceLock;
    Random& random;
    Process& process;
    Clock& clock;
    Launcher& launcher;
    SettingsStore& settings;
    FileDialogs& fileDialogs;
    Printer& printer;
    Clipboard& clipboard;
};
