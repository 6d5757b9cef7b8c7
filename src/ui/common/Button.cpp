#include "ui/common/Button.h"

#include <QKeyEvent>

namespace sp {

TButton::TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setAutoDefault(false);
    setDefault(false);
}

void TButton::keyPressEvent(QKeyEvent* e) {
    // Qt presses only a default button on Enter; here the focused one is pressed.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

}  // namespace sp
