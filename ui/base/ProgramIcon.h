#pragma once

#include <QIcon>

// The program's icon, a crescent under an eight-pointed star, from 16 to 256 pixels.
QIcon ProgramIcon();
