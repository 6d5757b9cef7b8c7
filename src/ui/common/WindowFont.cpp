#include "ui/common/WindowFont.h"

#include <QStringList>

namespace sp {

QFont WindowFont() {
    QFont f;
    f.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "Nimbus Sans"});
    f.setPixelSize(11);
    f.setWeight(QFont::Normal);
    return f;
}

}  // namespace sp
