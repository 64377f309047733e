#include "undo/SheetHistory.h"

#include <utility>

namespace zav {
namespace {

const std::string kNoLabel;

ChangeSource SourceOf(HistoryOrigin origin, const std::string& step, const std::string& by,
                      const std::string& at) {
    ChangeSource source;
    source.origin = origin;
    source.step = step;
    source.by = by;
    source.at = at;
    return source;
}

}  // namespace

void SheetHistory::Record(ScoreSheet before, std::string label) {
    // The record goes on from the sheet on screen whatever is undone: the
    // steps need none of their own.
    before.history.clear();
    redo_.clear();
    undo_.push_back({std::move(before), std::move(label)});
    while (undo_.size() > limit_) undo_.pop_front();
}

const std::string& SheetHistory::UndoLabel() const {
    return undo_.empty() ? kNoLabel : undo_.back().label;
}

const std::string& SheetHistory::RedoLabel() const {
    return redo_.empty() ? kNoLabel : redo_.back().label;
}

bool SheetHistory::Undo(ScoreSheet& sheet, const std::string& by, const std::string& at) {
    return Move(undo_, redo_, sheet, SourceOf(HistoryOrigin::Undo, UndoLabel(), by, at));
}

bool SheetHistory::Redo(ScoreSheet& sheet, const std::string& by, const std::string& at) {
    return Move(redo_, undo_, sheet, SourceOf(HistoryOrigin::Redo, RedoLabel(), by, at));
}

// The last step of `from` becomes the sheet, with the record of the sheet as
// it was and what the move changed added to it; the sheet as it was becomes
// a step of `to`, under the same label.
bool SheetHistory::Move(std::deque<Step>& from, std::deque<Step>& to, ScoreSheet& sheet,
                        const ChangeSource& source) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    // A step restores the heat, never an older file.
    CopyFileIdentity(sheet, step.sheet);
    step.sheet.history = std::move(sheet.history);
    sheet.history.clear();
    RecordChanges(sheet, step.sheet, source);
    std::swap(sheet, step.sheet);
    to.push_back(std::move(step));
    return true;
}

void SheetHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

}  // namespace zav
