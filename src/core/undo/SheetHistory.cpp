#include "undo/SheetHistory.h"

#include <utility>

namespace zav {
namespace {

// The fields that say which file the sheet belongs to: a step restores the
// heat, never an older file.
void KeepFileIdentity(const ScoreSheet& from, ScoreSheet& to) {
    to.sFullFileName = from.sFullFileName;
    to.sFileName = from.sFileName;
    to.sFilePath = from.sFilePath;
    to.bScoreSet = from.bScoreSet;
    to.sMScoreOpen = from.sMScoreOpen;
    to.sScoreSetFileName = from.sScoreSetFileName;
    to.sMultiFileOpen = from.sMultiFileOpen;
}

const std::string kNoLabel;

}  // namespace

void SheetHistory::Record(ScoreSheet before, std::string label) {
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

bool SheetHistory::Undo(ScoreSheet& sheet) {
    return Move(undo_, redo_, sheet);
}

bool SheetHistory::Redo(ScoreSheet& sheet) {
    return Move(redo_, undo_, sheet);
}

// The last step of `from` becomes the sheet; the sheet as it is becomes a
// step of `to`, under the same label.
bool SheetHistory::Move(std::deque<Step>& from, std::deque<Step>& to, ScoreSheet& sheet) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    KeepFileIdentity(sheet, step.sheet);
    std::swap(sheet, step.sheet);
    to.push_back(std::move(step));
    return true;
}

void SheetHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

}  // namespace zav
