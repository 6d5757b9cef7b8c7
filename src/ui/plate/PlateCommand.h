// One edit of the plate for the undo stack: the plate before and after and
// the item selected with each. Edits that carry the same merge key (typing
// on in one field) become one command, so Ctrl+Z undoes a word, not a letter.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "scale/plate/Plate.h"
#include "ui/plate/PlateEdits.h"

namespace sp {

class PlateCommand : public QUndoCommand {
public:
    // `show` puts a plate and its selected item into the window.
    using Show = std::function<void(const Plate&, PlateItemRef)>;

    PlateCommand(Show show, Plate before, PlateItemRef selectedBefore, Plate after, PlateItemRef selectedAfter,
                 const QString& text, QString mergeKey = {});

    void undo() override { show_(before_, selectedBefore_); }
    void redo() override { show_(after_, selectedAfter_); }
    int id() const override { return mergeKey_.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    Show show_;
    Plate before_;
    PlateItemRef selectedBefore_;
    Plate after_;
    PlateItemRef selectedAfter_;
    QString mergeKey_;
};

}  // namespace sp
