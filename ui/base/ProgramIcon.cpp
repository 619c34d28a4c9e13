#include "ui/base/ProgramIcon.h"

#include <QString>

// Outside any namespace, as the resource macro requires; the reference also keeps the
// resource in the link of the static library.
static void InitIconResource() {
    Q_INIT_RESOURCE(ProgramIcon);
}

QIcon ProgramIcon() {
    static const bool initialised = (InitIconResource(), true);
    (void)initialised;
    QIcon icon;
    // Window icons and the pictures need no more than 64 px; every size added here is decoded
    // and sent to the X server at start-up. The larger ones serve the desktop's icon theme.
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/parsiva-%1.png").arg(size), QSize(size, size));
    return icon;
}
