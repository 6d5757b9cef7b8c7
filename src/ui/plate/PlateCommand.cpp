#include "ui/plate/PlateCommand.h"

namespace sp {

PlateCommand::PlateCommand(Show show, Plate before, PlateItemRef selectedBefore, Plate after,
                           PlateItemRef selectedAfter, const QString& text, QString mergeKey)
    : QUndoCommand(text),
      show_(std::move(show)),
      before_(std::move(before)),
      selectedBefore_(selectedBefore),
      after_(std::move(after)),
      selectedAfter_(selectedAfter),
      mergeKey_(std::move(mergeKey)) {}

bool PlateCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PlateCommand*>(other);
    if (next->mergeKey_ != mergeKey_) return false;
    after_ = next->after_;
    selectedAfter_ = next->selectedAfter_;
    // Typed back to where it started: no change is left to undo.
    setObsolete(after_ == before_);
    return true;
}

}  // namespace sp
