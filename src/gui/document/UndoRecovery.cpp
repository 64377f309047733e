// The sheet document's undo history and recovery file.
#include <ctime>

#include "document/SheetDocument.h"
#include "paths/PathNames.h"
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
    if (!HasSheet() || !history_.Undo(sheet_, scorer_, zav::LocalTimestamp(std::time(nullptr))))
        return false;
    AfterChange();
    if (saveAutoOn_) SaveAuto();
    return true;
}

bool SheetDocument::Redo() {
    if (!HasSheet() || !history_.Redo(sheet_, scorer_, zav::LocalTimestamp(std::time(nullptr))))
        return false;
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

// A file saved after the recovery was written holds newer work: the question
// says so and opens on No, and a restored sheet then belongs to no file, so
// that Save asks for a name instead of writing over that work.
bool SheetDocument::OfferRecoveries() {
    if (recoveryFolder_.empty()) return false;
    const zav::Reporter& reporter = user_.Reporter();
    zav::LeftRecoveries left = zav::TakeLeftRecoveries(recoveryFolder_);
    bool putAside = left.putAside, restoredOne = false;
    for (zav::LeftRecovery& offer : left.offers) {
        zav::ScoreSheet restored;
        zav::RecordingMessageSink unread;
        if (!zav::ParseSheet(restored, offer.Record().sheetBytes,
                             zav::Reporter(reporter.GetLanguage(), unread))) {
            offer.PutAside();
            putAside = true;
            continue;
        }
        if (restoredOne) continue;  // left for another time
        const std::time_t savedAt = offer.SheetSavedSince();
        const std::string question =
            zav::RecoveryOffer(offer.Record(), restored.sTitle, savedAt, reporter.GetLanguage());
        if (reporter.AskText(
                zav::MessageIcon::Question, question,
                savedAt ? zav::QuestionKind::Destructive : zav::QuestionKind::Harmless)) {
            Restore(offer.Record(), std::move(restored), savedAt != 0);
            offer.Discard();  // now in this program's own recovery file
            restoredOne = true;
            continue;
        }
        offer.Discard();
    }
    if (putAside)
        reporter.Show(zav::MessageIcon::Warning, zav::TextId::DamagedRecoveries,
                      zav::DamagedFolder(recoveryFolder_));
    return restoredOne;
}

// The restored sheet belongs to its own file, so that Save writes it where
// it belongs; a sheet of a set comes back within its set. Over newer work it
// belongs to no file: the first save proposes the file's folder and name.
void SheetDocument::Restore(const zav::RecoveryRecord& record, zav::ScoreSheet restored,
                            bool overNewerFile) {
    Close();
    const std::string own = record.SheetFile();
    if (overNewerFile) {
        restored.bScoreSet = false;
        restored.sMScoreOpen.clear();
        restored.sMultiFileOpen.clear();
        restored.sFullFileName.clear();
        sheet_ = std::move(restored);
        newerFile_ = own;
    } else if (!record.setFile.empty()) {
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
