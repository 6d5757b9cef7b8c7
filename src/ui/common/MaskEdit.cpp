#include "ui/common/MaskEdit.h"

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
    // Focus coming back with its window (after a dialog or a menu) keeps the
    // cursor where it was; entering the field at start, by Tab or by an
    // accelerator selects the whole text, so typing replaces it. A click
    // places the cursor.
    const Qt::FocusReason why = e->reason();
    const bool returning = focusedBefore_ && (why == Qt::ActiveWindowFocusReason || why == Qt::PopupFocusReason);
    focusedBefore_ = true;
    QLineEdit::focusInEvent(e);
    if (why != Qt::MouseFocusReason && !returning) selectAll();
}

void TMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (ClipboardKey(e)) return;
    switch (e->key()) {
        case Qt::Key_Escape:
            return Escape(e);
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return BlankKey(e->key() == Qt::Key_Backspace);
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
            return TypeKey(e);
    }
}

bool TMaskEdit::ClipboardKey(QKeyEvent* e) {
    if (e == QKeySequence::Paste) Paste();
    else if (e == QKeySequence::Cut) Cut();
    else if (e == QKeySequence::Copy || e == QKeySequence::SelectAll) QLineEdit::keyPressEvent(e);
    else if (e == QKeySequence::Undo || e == QKeySequence::Redo) {}  // no undo: it would move characters
    else return false;
    return true;
}

void TMaskEdit::Escape(QKeyEvent* e) {
    if (Changed()) {
        setText(textAtFocus_);
        selectAll();
        return;
    }
    e->ignore();  // on to the window: "Koniec"
}

// Backspace blanks the position before the cursor, Delete the one at it; a
// selection is blanked whole. Nothing moves.
void TMaskEdit::BlankKey(bool backspace) {
    if (hasSelectedText()) return BlankSelection();
    const int at = backspace ? cursorPosition() - 1 : cursorPosition();
    if (at < 0 || at >= text().size()) return;
    PutChars(at, " ");
    setCursorPosition(at);
}

void TMaskEdit::TypeKey(QKeyEvent* e) {
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
