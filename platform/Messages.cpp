#include "platform/Messages.h"

#include <QMessageBox>

MessageAnswer QtMessages::show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons, const QString& caption) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    caption, text, QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
