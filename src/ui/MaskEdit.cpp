#include "MaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace sp {

TMaskEdit::TMaskEdit(int positions, QWidget* parent) : QLineEdit(parent), positions_(positions) {
    setAcceptDrops(false);
    SetValue(QString());
    textAtFocus_ = text();
}

QString TMaskEdit::Value() const {
    QString t = text();
    while (t.endsWith(' ')) t.chop(1);
    return t;
}

void TMaskEdit::SetValue(const QString& value) {
    QString t = value;
    if (t.size() < positions_) t += QString(positions_ - t.size(), ' ');
    setText(t);
    textAtFocus_ = hasFocus() ? textAtFocus_ : t;
}

void TMaskEdit::PutChars(int at, const QString& chars) {
    QString t = text();
    for (int i = 0; i < chars.size() && at + i < t.size(); ++i) t[at + i] = chars[i];
    setText(t);
}

void TMaskEdit::BlankSelection() {
    if (!hasSelectedText()) return;
    const int start = selectionStart(), length = static_cast<int>(selectedText().size());
    PutChars(start, QString(length, ' '));
    setCursorPosition(start);
}

void TMaskEdit::Paste() {
    const QString clip = QApplication::clipboard()->text();
    int at = hasSelectedText() ? selectionStart() : cursorPosition();
    BlankSelection();
    QString chars;
    for (QChar c : clip) chars += (c >= '0' && c <= '9') ? c : QChar(' ');
    chars.truncate(std::max(0, static_cast<int>(text().size()) - at));
    PutChars(at, chars);
    setCursorPosition(at + static_cast<int>(chars.size()));
}

void TMaskEdit::Cut() {
    if (!hasSelectedText()) return;
    QApplication::clipboard()->setText(selectedText());
    BlankSelection();
}

bool TMaskEdit::event(QEvent* e) {
    // A changed field takes Esc for itself; otherwise Esc goes on to the
    // window and presses "Koniec".
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier && Changed()) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TMaskEdit::focusInEvent(QFocusEvent* e) {
    textAtFocus_ = text();
    QLineEdit::focusInEvent(e);
}

void TMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (e == QKeySequence::Paste) return Paste();
    if (e == QKeySequence::Cut) return Cut();
    if (e == QKeySequence::Copy || e == QKeySequence::SelectAll) return QLineEdit::keyPressEvent(e);
    if (e == QKeySequence::Undo || e == QKeySequence::Redo) return;
    switch (e->key()) {
        case Qt::Key_Escape:
            if (Changed()) {
                setText(textAtFocus_);
                selectAll();
                return;
            }
            e->ignore();
            return;
        case Qt::Key_Backspace:
            if (hasSelectedText()) return BlankSelection();
            if (cursorPosition() > 0) {
                const int at = cursorPosition() - 1;
                PutChars(at, " ");
                setCursorPosition(at);
            }
            return;
        case Qt::Key_Delete:
            if (hasSelectedText()) return BlankSelection();
            if (cursorPosition() < text().size()) {
                const int at = cursorPosition();
                PutChars(at, " ");
                setCursorPosition(at);
            }
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QLineEdit::keyPressEvent(e);
        default:
            break;
    }
    const QString t = e->text();
    if (t.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        e->ignore();  // let accelerators and shortcuts through
        return;
    }
    if (t.size() != 1 || t[0] < '0' || t[0] > '9') {
        QApplication::beep();
        return;
    }
    BlankSelection();
    const int at = cursorPosition();
    if (at >= text().size()) {
        QApplication::beep();  // every position is taken
        return;
    }
    PutChars(at, t);
    setCursorPosition(at + 1);
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent* e) { e->ignore(); }

void TMaskEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        const QString name = a->objectName();
        if (name == "edit-paste" || name == "edit-cut" || name == "edit-undo" || name == "edit-redo" ||
            name == "edit-delete") {
            a->disconnect();
            if (name == "edit-paste") connect(a, &QAction::triggered, this, &TMaskEdit::Paste);
            else if (name == "edit-cut") connect(a, &QAction::triggered, this, &TMaskEdit::Cut);
            else if (name == "edit-delete") connect(a, &QAction::triggered, this, &TMaskEdit::BlankSelection);
            else a->setEnabled(false);
        }
    }
    menu->exec(e->globalPos());
    delete menu;
}

}  // namespace sp
