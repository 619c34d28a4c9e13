#pragma once

#include "core/signs/Classification.h"
#include "core/signs/SignCatalogue.h"
#include "core/web/ReferralDetails.h"
#include "platform/Services.h"
#include "ui/base/LinkHookState.h"
#include "ui/base/Moves.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

// Everything that outlives a window, for the whole run. main() makes one; each test its own.
class Program {
public:
    Program(const Services& services, QString applicationName);
    ~Program();

    Services services;
    // The executable's file name without extension: the settings store's application name.
    QString applicationName;

    parsiva::BirthDetails birthDetails;   // written only by Proceed
    parsiva::ReadingResult readingResult; // written only by Proceed
    std::int16_t intCoBrandRandomNumber = 0;
    parsiva::ReferralDetails referralDetails;
    std::string ReferralAddress;
    LinkHookState linkHookState;

    // The font families every window and the report ask for, most preferred first; empty keeps
    // the families the windows name themselves. Set for the interface's language.
    QStringList fontFamilies;

    // Set once the end of the run has begun, so closing windows start no exit path.
    bool ending = false;

    // Every window goes through here when it is created: it is deleted when closed and
    // remembered, in the order of opening, until then.
    void adoptWindow(QWidget* window);
    QList<QWidget*> openWindows() const;
    // The most recently opened window of this class that is still open, if any.
    template <class Window> Window* newestWindow() const {
        const QList<QWidget*> open = openWindows();
        for (auto it = open.crbegin(); it != open.crend(); ++it) {
            if (auto* window = qobject_cast<Window*>(*it))
                return window;
        }
        return nullptr;
    }

    // The moves between windows, installed once by whoever creates the program.
    Moves& moves();
    void setMoves(std::unique_ptr<Moves> moves);

private:
    QList<QPointer<QWidget>> m_windows;
    std::unique_ptr<Moves> m_moves;
};
