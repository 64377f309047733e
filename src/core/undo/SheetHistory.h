// The changes of the open sheet that can be taken back and made again. Each
// step keeps the whole sheet as it was before the change, with a label that
// names the change ("result of game 3"), so that undo restores exactly what
// the scorer saw, whatever the change touched; the official standing goes
// back with it. The record of the results is the exception: an undo or a
// redo is added to it, never taken out of it.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "history/ResultHistory.h"
#include "sheet/ScoreSheet.h"

namespace zav {

class SheetHistory {
public:
    // Scorers expect to go back over a whole heat.
    static constexpr std::size_t kDefaultLimit = 100;

    explicit SheetHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // A change named `label` was made; `before` is the sheet as it was. The
    // changes undone until now can no longer be redone, and beyond the limit
    // the oldest step is forgotten.
    void Record(ScoreSheet before, std::string label);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The label of the change that Undo or Redo would take back or make
    // again; empty when there is none.
    const std::string& UndoLabel() const;
    const std::string& RedoLabel() const;
    std::size_t UndoSteps() const { return undo_.size(); }

    // Puts the sheet back as it was before the last change, or makes the
    // last change undone again, recording it as done by `by` at `at`. The
    // sheet keeps the file it belongs to now (a save in between does not
    // send it back to an older file) and its record. False when there is
    // nothing to do.
    bool Undo(ScoreSheet& sheet, const std::string& by, const std::string& at);
    bool Redo(ScoreSheet& sheet, const std::string& by, const std::string& at);

    // Another sheet is open: nothing of the previous one can come back.
    void Clear();

private:
    struct Step {
        ScoreSheet sheet;
        std::string label;
    };
    static bool Move(std::deque<Step>& from, std::deque<Step>& to, ScoreSheet& sheet,
                     const ChangeSource& source);

    std::size_t limit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

}  // namespace zav
