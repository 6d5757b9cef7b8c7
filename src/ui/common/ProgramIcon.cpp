#include "ui/common/ProgramIcon.h"

namespace sp {

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/sk.scaleplate.Scaleplate.svg")); }

}  // namespace sp
