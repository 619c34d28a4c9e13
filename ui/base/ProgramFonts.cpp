#include "ui/base/ProgramFonts.h"

#include "ui/base/Program.h"

#include <QFont>
#include <QWidget>

QFont WithProgramFonts(const Program& program, QFont font) {
    if (!program.fontFamilies.isEmpty())
        font.setFamilies(program.fontFamilies);
    return font;
}

void UseProgramFonts(const Program& program, QWidget& window) {
    if (program.fontFamilies.isEmpty())
        return;
    window.setFont(WithProgramFonts(program, window.font()));
    // Controls with a font of their own (a bold title, a larger caption) keep it but for the
    // families; the others inherit the window's.
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->testAttribute(Qt::WA_SetFont))
            control->setFont(WithProgramFonts(program, control->font()));
    }
}
