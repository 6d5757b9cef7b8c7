// The font family text is drawn in when none is named: one that Debian's
// fonts-dejavu-core always installs, so the same picture comes out everywhere.
#pragma once

namespace sp {

inline constexpr const char* DefaultFontFamily = "DejaVu Sans";

}  // namespace sp
