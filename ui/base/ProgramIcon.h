#pragma once

#include <QIcon>

// The program's icon, a crescent under an eight-pointed star, from 16 to 256 pixels; the
// renderings above 64 pixels are read only when a scaled screen asks for them.
QIcon ProgramIcon();
