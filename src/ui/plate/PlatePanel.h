// The designer's property panel: one row per key of the selected item
// (PlateProperties), a decimal field with its unit, a check box, a choice,
// the font list or a colour button. It edits nothing itself: every change
// is offered as a new plate through Edited, which the window turns into a
// command. A text that is no valid value marks its field and says why.
#pragma once

#include <QScrollArea>
#include <vector>

#include "scale/plate/Plate.h"
#include "ui/plate/PlateProperties.h"

namespace sp {

class Dialogs;

class TPlatePanel : public QScrollArea {
    Q_OBJECT
public:
    TPlatePanel(Dialogs& dialogs, QWidget* parent);

    // Shows the properties of `ref` with the values of `plate`. A field the
    // user is typing in keeps its text (it gave this value); an undo
    // shows its value in every field.
    void Show(const Plate& plate, PlateItemRef ref);

signals:
    // A property changed: the command's name, a key that is the same while
    // typing goes on in one field (so those edits merge), and the new plate.
    void Edited(const QString& text, const QString& mergeKey, const Plate& plate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* makeEditor(std::size_t i);
    void showValue(std::size_t i);
    void offer(std::size_t i, const QString& text);

    Dialogs& dialogs_;
    Plate plate_;
    PlateItemRef ref_;
    bool built_ = false;
    std::vector<PlateProperty> props_;
    std::vector<QWidget*> editors_;
    int session_ = 0;  // counts the fields' focus changes: typing after one starts a new command
    bool filling_ = false;
    static constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::size_t offering_ = None;  // the field whose edit is being shown
};

}  // namespace sp
