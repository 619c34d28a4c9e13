#include "web/ProgramIcon.h"

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
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/parsiva-%1.png").arg(size), QSize(size, size));
    return icon;
}
