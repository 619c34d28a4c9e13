#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Critical, Information };
// YesNo makes Yes the default button.
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes with a fixed caption; the program's only way of speaking to the user.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons, const QString& caption) = 0;
};

class QtMessages final : public Messages {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons, const QString& caption) override;
};
