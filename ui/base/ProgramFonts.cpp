#include "ui/base/ProgramFonts.h"

#include "ui/base/Program.h"

#include <QFont>
#include <QWidget>

QFont WithProgramFonts(const Program& program, QFont font) {
    if (program.fontFamilies.isEmpty())
        font.setFamilies({QStringLiteral("Verdana")});
    else
        font.setFamilies(program.fontFamilies);
    return font;
}

void UseProgramFonts(const Program& program, QWidget& window) {
    window.setFont(WithProgramFonts(program, window.font()));
}
