#pragma once

// The end of the run, once every window has been closed.
class Process {
public:
    virtual ~Process() = default;
    virtual void end() = 0;
};

class QtProcess final : public Process {
public:
    // Leaves the event loop; main() then returns. Every store has already written through.
    void end() override;
};
