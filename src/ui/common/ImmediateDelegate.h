// A grid cell editor that stores every change in its cell at once, so that a
// cell still being edited counts with the text it shows (Save, the live
// preview of a generated scale).
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

namespace sp {

class ImmediateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<ImmediateDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

}  // namespace sp
