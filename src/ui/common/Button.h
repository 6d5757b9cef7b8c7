// A push button of these windows: bold caption, never a default button, and
// pressed by Enter or Return while it has the focus (as by Space). Enter in
// a field reaches no button, because no button is the default.
#pragma once

#include <QPushButton>

namespace sp {

class TButton : public QPushButton {
    Q_OBJECT
public:
    TButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace sp
