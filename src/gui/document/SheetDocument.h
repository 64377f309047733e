// The open score sheet and everything about its life: the file it belongs
// to, whether it has unsaved changes, the save question and the saves, the
// automatic save, and the set it belongs to with the moves between the
// set's sheets. The window asks it and shows what it holds; it reaches the
// user only through a DocumentUser, so its rules need no window.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentUser.h"
#include "history/ResultHistory.h"
#include "publish/Publication.h"
#include "recovery/RecoveryStore.h"
#include "sets/SetCreation.h"
#include "sheet/ScoreSheet.h"
#include "undo/SheetHistory.h"

namespace zavgui {

enum class SheetState {
    NoSheet,    // nothing open: the commands that need a sheet say so
    Unchanged,  // open, as created, read or last saved
    Changed,    // open, with changes not saved yet
};

class SheetDocument {
public:
    SheetDocument(DocumentUser& user, bool saveAutoOn);

    const zav::ScoreSheet& Sheet() const { return sheet_; }
    // For the dialogs and the page builders, which write to the sheet; an
    // accepted change is then reported with SheetChanged.
    zav::ScoreSheet& EditSheet() { return sheet_; }

    SheetState State() const { return state_; }
    bool HasSheet() const { return state_ != SheetState::NoSheet; }
    // A sheet of a set is saved to its own sheet file, never elsewhere.
    bool IsSheetOfSet() const { return sheet_.bScoreSet; }
    // The file the sheet is saved to: its own sheet file for a sheet of a
    // set, else its file; empty for a sheet never saved.
    const std::string& OwnFile() const {
        return IsSheetOfSet() ? sheet_.sMultiFileOpen : sheet_.sFullFileName;
    }
    // The file name the window title shows; empty while no file is open.
    const std::string& TitleFileName() const { return titleFileName_; }

    // The sheet files of the open set, as the set file lists them, and the
    // one on screen (a name of the list, or empty).
    const std::vector<std::string>& SetSheetNames() const { return setSheetNames_; }
    std::string SetSheetShown() const;

    // The file last chosen for the sheet or its pages (open, save, set,
    // export): exports propose its name.
    const std::string& ChosenFile() const { return chosenFile_; }
    void RememberChosenFile(const std::string& path) { chosenFile_ = path; }

    // How many times the sheet has been replaced or reset: whoever shows the
    // sheet builds its page again when this moves.
    unsigned Replacements() const { return replacements_; }

    // The folder of the open sheet's file (of a set sheet, its set's); empty
    // while no sheet with a file is open.
    std::string FileFolder() const;
    // The sheet or set file last opened or saved by the user, and how many
    // such opens and saves there have been: the recent sheets follow them.
    const std::string& UsedFile() const { return usedFile_; }
    unsigned FileUses() const { return fileUses_; }

    // Automatic save: every accepted change is written at once.
    bool SaveAutoOn() const { return saveAutoOn_; }
    // When the sheet's file was last written in this run (0: not since it
    // was opened), and whether by the automatic save: the title keeps its
    // "*" until a save by hand, the status bar tells the scorer it is safe.
    std::time_t LastWritten() const { return lastWritten_; }
    bool LastWrittenAutomatically() const { return lastWrittenAutomatically_; }
    void SetSaveAutoOn(bool on) { saveAutoOn_ = on; }

    // The step before the sheet is replaced or the program ends: a changed
    // sheet of a set goes to its own file without a question, a changed
    // single sheet is offered a save (Yes saves as the Save command does).
    // True when the command may go on; false, with the sheet as it was, when
    // a save failed or the user cancelled the question or the chooser.
    [[nodiscard]] bool QuitTest();

    // A new sheet: reset, no file, 8 games, 4 teams, 4 points for the first
    // place. It counts as open once described (the General data dialog).
    void NewSheet();
    void NewSheetDescribed();

    // Reads a single sheet (a sheet file of a set opened alone is saved back
    // to its own file). After a failure no sheet is open.
    void OpenSheet(const std::string& path);
    // Reads a set file and shows its first sheet. After a failure no sheet
    // and no set are open.
    void OpenSet(const std::string& path);
    // Moves to the sheet file `name` of the open set after QuitTest (the
    // sheet on screen stays when it stops).
    void ShowSetSheet(const std::string& name);
    // Opens the set again after a set tool closed it: on the sheet `name`
    // when the set still lists it.
    void OpenSetOnSheet(const std::string& path, const std::string& name);
    // Creates the set's files and opens the set.
    void CreateSet(const zav::SifEntries& entries, const zav::SetOptions& options,
                   const zav::SetPlan& plan, const std::string& setPath);
    // No sheet and no set open.
    void Close();

    // What publishing the sheet's results publishes: the set file when the
    // sheet is one of the open set's, else the sheet's own file; empty while
    // the sheet has no file.
    zav::PublishSource PublicationSource() const;
    // Runs after every write of the sheet's file (Save, Save as, automatic
    // save, the silent save of a set's sheet) with the publication source of
    // the file written.
    void SetAfterSave(std::function<void(const zav::PublishSource& source)> afterSave) {
        afterSave_ = std::move(afterSave);
    }

    // The Save command: a set sheet to its own file, a single sheet to its
    // file, or to a file chosen by the user when it has none yet. True when
    // the sheet is saved (or had nothing to save).
    bool SaveSheet();
    // Save as: the sheet then belongs to the chosen file. False when
    // cancelled or not written.
    bool SaveFileAndDialog();
    // After a change the user accepted, named `step` for undo ("result of
    // game 3"), which came from `source` (typed in the window unless said
    // otherwise): recorded, changed, and written at once when automatic
    // save is on. A change to an official heat's results asks first and
    // makes the heat provisional; false, with the sheet as it was before the
    // change, when the scorer keeps the heat official.
    bool SheetChanged(const std::string& step, zav::ChangeSource source = {});
    // A change that is not saved automatically (a team's withdrawal).
    bool MarkChanged(const std::string& step, zav::ChangeSource source = {});
    // The heat's results made official now (the window asked), a step of
    // its own that Undo takes back.
    void MakeOfficial();

    // Who the record names as making, accepting and undoing changes.
    void SetScorer(const std::string& scorer) { scorer_ = scorer; }

    // Undo and redo, over the changes since the sheet was opened, created or
    // switched to. Each puts the whole sheet back and counts as a change
    // (automatic save applies), writing nothing else. False when there is
    // nothing to undo or redo.
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // The change Undo or Redo would take back or make again; empty if none.
    const std::string& UndoStep() const { return history_.UndoLabel(); }
    const std::string& RedoStep() const { return history_.RedoLabel(); }
    bool Undo();
    bool Redo();

    // Crash recovery: while the sheet has unsaved changes, they are also in
    // a recovery file of this program in `folder` (the user's state folder),
    // written after each change and removed once saved or given up.
    void KeepRecoveryIn(const std::string& folder);
    // At start-up: offers, one by one and newest first, the recovery files
    // that programs which did not end cleanly left in that folder. The first
    // one accepted is open as a changed sheet that belongs to its own file
    // (to none when that file was saved after the recovery was written);
    // refused ones are removed, those not asked about stay for another time,
    // those that cannot be read are put aside, said once. True when a sheet
    // was restored.
    bool OfferRecoveries();
    // The program ends after its save step: what was not saved was given up.
    void Ended();

private:
    void Reset();
    bool Write(const std::string& path);
    zav::PublishSource SourceOf(const std::string& path) const;
    bool SaveToChosenFile(SaveChooser chooser, const std::string& folder,
                          const std::string& fileName);
    bool SaveSetSheetSilently();
    void SaveAuto();
    bool LoadSheet(const std::string& path);
    bool LoadSetSheet(const std::string& path);
    void AdoptFile(const std::string& path);
    void AdoptSet(const std::string& path);
    void UseFile(const std::string& path);
    // Undo and recovery (UndoRecovery.cpp).
    void StartHistory();
    void AfterChange();
    void WriteRecovery();
    void ForgetRecoveryWhenSaved();
    void Restore(const zav::RecoveryRecord& record, zav::ScoreSheet restored, bool overNewerFile);

    DocumentUser& user_;
    zav::ScoreSheet sheet_;
    SheetState state_ = SheetState::NoSheet;
    bool saveAutoOn_;
    std::string titleFileName_;
    std::vector<std::string> setSheetNames_;
    std::string chosenFile_;
    unsigned replacements_ = 0;
    std::string usedFile_;
    unsigned fileUses_ = 0;
    std::function<void(const zav::PublishSource&)> afterSave_;
    std::time_t lastWritten_ = 0;
    bool lastWrittenAutomatically_ = false;

    std::string scorer_;
    zav::SheetHistory history_;
    // The sheet as the last change, opening or undo left it: what the next
    // change is recorded from.
    zav::ScoreSheet committed_;
    std::string recoveryFolder_;
    std::unique_ptr<zav::RecoverySession> recovery_;
    bool recoveryFailureTold_ = false;
    // The file a sheet restored over newer work came from: its first save
    // proposes that folder and name, and asks before replacing it.
    std::string newerFile_;
};

}  // namespace zavgui
