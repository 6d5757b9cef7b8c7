// The program's icon, as the window shows it.
#pragma once

#include <QIcon>

namespace sp {

// The icon drawn once in data/sk.scaleplate.Scaleplate.svg (the installed
// desktop icon is made from the same file), compiled in as a resource and
// drawn at any size by Qt's SVG icon engine.
QIcon ProgramIcon();

}  // namespace sp
