#pragma once

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
};

class QtClipboard final : public Clipboard {
public:
    void clear() override;
};
