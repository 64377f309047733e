// The sheet document's undo history and recovery file.
#include <ctime>

#include "document/SheetDocument.h"
#include "io/Paths.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"

namespace zavgui {

void SheetDocument::StartHistory() {
    history_.Clear();
    committed_ = sheet_;
}

// Every change, undo and redo: the sheet has unsaved changes, and they are
// kept for recovery.
void SheetDocument::AfterChange() {
    state_ = SheetState::Changed;
    committed_ = sheet_;
    WriteRecovery();
}

bool SheetDocument::Undo() {
    if (!HasSheet() || !history_.Undo(sheet_)) return false;
    AfterChange();
    if (saveAutoOn_) SaveAuto();
    return true;
}

bool SheetDocument::Redo() {
    if (!HasSheet() || !history_.Redo(sheet_)) return false;
    AfterChange();
    if (saveAutoOn_) SaveAuto();
    return true;
}

void SheetDocument::KeepRecoveryIn(const std::string& folder) {
    recoveryFolder_ = folder;
    recovery_ = folder.empty() ? nullptr : zav::RecoverySession::Start(folder);
}

// A recovery file that cannot be written is said once: the scorer then
// knows to save often.
void SheetDocument::WriteRecovery() {
    if (recoveryFolder_.empty()) return;
    const std::time_t now = std::time(nullptr);
    if (recovery_ &&
        recovery_->Write(zav::RecoveryRecordOf(sheet_, user_.Reporter().GetLanguage(), now)))
        return;
    if (recoveryFailureTold_) return;
    recoveryFailureTold_ = true;
    user_.Reporter().Show(zav::MessageIcon::Warning, zav::TextId::RecoveryNotWritten,
                          recoveryFolder_);
}

void SheetDocument::ForgetRecoveryWhenSaved() {
    if (recovery_ && state_ != SheetState::Changed) recovery_->Remove();
}

void SheetDocument::Ended() {
    if (recovery_) recovery_->Remove();
}

bool SheetDocument::OfferRecoveries() {
    if (recoveryFolder_.empty()) return false;
    for (zav::LeftRecovery& left : zav::TakeLeftRecoveries(recoveryFolder_)) {
        zav::ScoreSheet restored;
        zav::RecordingMessageSink unread;
        if (!zav::ParseSheet(restored, left.Record().sheetBytes,
                             zav::Reporter(user_.Reporter().GetLanguage(), unread)))
            continue;
        const std::string offer =
            zav::RecoveryOffer(left.Record(), restored.sTitle, user_.Reporter().GetLanguage());
        if (user_.Reporter().AskText(zav::MessageIcon::Question, offer)) {
            Restore(left.Record(), std::move(restored));
            left.Discard();  // now in this program's own recovery file
            return true;
        }
        left.Discard();
    }
    return false;
}

// The restored sheet belongs to its own file, so that Save writes it where
// it belongs; a sheet of a set comes back within its set.
void SheetDocument::Restore(const zav::RecoveryRecord& record, zav::ScoreSheet restored) {
    Close();
    const std::string own = record.SheetFile();
    if (!record.setFile.empty()) {
        if (LoadSetSheet(record.setFile)) AdoptSet(record.setFile);
        restored.bScoreSet = true;
        restored.sMScoreOpen = record.setFile;
        restored.sMultiFileOpen = restored.sFilePath = own;
        restored.sFullFileName = record.setFile;
        restored.sFileName = titleFileName_ = zav::FileNameOf(record.setFile);
        sheet_ = std::move(restored);
    } else {
        sheet_ = std::move(restored);
        if (!own.empty()) AdoptFile(own);
    }
    ++replacements_;
    StartHistory();
    AfterChange();
}

}  // namespace zavgui
