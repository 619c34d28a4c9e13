#pragma once

#include "core/readings/ReportBlocks.h"

class QWidget;

// The moves between windows. Windows reach them through Program and never name each other,
// so no window depends on another's header; the app layer's WindowMoves makes them.
class Moves {
public:
    virtual ~Moves() = default;

    // Proceed: a fresh result window showing the program's reading.
    virtual void showResultForm() = 0;
    // Back, and the start of the run: a fresh birth-details form, shown and active.
    virtual void showMainForm() = 0;
    // The report window, modal over the result window, composed from the result's captions.
    virtual void showReport(QWidget& resultWindow, const parsiva::ResultCaptions& captions) = 0;
    // The About box, modal; the calling window waits until it is closed.
    virtual void showAboutBox() = 0;
    // A workflow window is closing otherwise than by a move to the other one.
    virtual void runExitPath() = 0;
    // Closes every open window in the order they were opened, then ends the process.
    virtual void CloseAllAndEnd() = 0;
};
