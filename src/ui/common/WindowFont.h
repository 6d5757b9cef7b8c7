// The windows' one font, so the main window, the definition editor and the
// generate dialog measure their controls alike.
#pragma once

#include <QFont>

namespace sp {

// Regular, 11 pixels, of the MS Sans Serif widths.
QFont WindowFont();

}  // namespace sp
