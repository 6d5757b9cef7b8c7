// A masked numeric field of two or three positions ("999;0; " / "99;0; "):
// digits only, typing overwrites the position at the cursor, Delete and
// Backspace blank positions without moving the others, pasting fills
// positions from the cursor on. The program reads the content less its
// trailing blanks and may set any text, which is padded and never cut.
// Entering the field other than by a click selects its whole text.
// Qt's own input mask moves characters and cuts texts, so this is ours.
#pragma once

#include <QLineEdit>

namespace sp {

class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    TMaskEdit(int positions, QWidget* parent = nullptr);

    int Positions() const { return positions_; }
    // Content less its trailing blanks; leading and inner blanks stay.
    QString Value() const;
    // Puts a text in, padded with blanks to the positions, never cut or checked.
    void SetValue(const QString& text);
    // Changed since the field last received the focus.
    bool Changed() const { return text() != textAtFocus_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void PutChars(int at, const QString& chars);  // overwrite from `at`
    void BlankSelection();                         // cursor to its start
    void Paste();
    void Cut();

    // The key handlers, one per intent.
    bool ClipboardKey(QKeyEvent* e);  // true when it was one
    void Escape(QKeyEvent* e);
    void BlankKey(bool backspace);
    void TypeKey(QKeyEvent* e);

    int positions_;
    QString textAtFocus_;
    bool focusedBefore_ = false;
};

}  // namespace sp
