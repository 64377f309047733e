#include "document/SheetDocument.h"

#include <algorithm>
#include <utility>

#include "official/Standing.h"
#include "paths/PathNames.h"
#include "sets/SetFile.h"
#include "sheet/ResultEntry.h"
#include "sheetfile/SheetFile.h"

namespace zavgui {

using zav::FileNameOf;
using zav::FolderOf;

SheetDocument::SheetDocument(DocumentUser& user, bool saveAutoOn)
    : user_(user), saveAutoOn_(saveAutoOn) {}

std::string SheetDocument::FileFolder() const {
    if (!HasSheet()) return std::string();
    if (IsSheetOfSet()) return FolderOf(sheet_.sMultiFileOpen);
    return sheet_.sFullFileName.empty() ? std::string() : sheet_.sFilePath;
}

void SheetDocument::UseFile(const std::string& path) {
    usedFile_ = path;
    ++fileUses_;
}

std::string SheetDocument::SetSheetShown() const {
    return FileNameOf(sheet_.sMultiFileOpen);
}

void SheetDocument::Reset() {
    zav::SetDataToZero(sheet_);
    state_ = SheetState::NoSheet;
    ++replacements_;
    history_.Clear();
    newerFile_.clear();
    lastWritten_ = 0;
    ForgetRecoveryWhenSaved();
}

// The one place the sheet's file is written: whatever follows a save (the
// publication of the results) follows it here.
bool SheetDocument::Write(const std::string& path) {
    if (!zav::SaveSheet(sheet_, path, user_.Reporter())) return false;
    lastWritten_ = std::time(nullptr);
    lastWrittenAutomatically_ = false;
    if (afterSave_ && !path.empty()) afterSave_(SourceOf(path));
    return true;
}

// A sheet file of a set opened alone still names the set opened last: it is
// published with that set only when it is one of its sheets.
zav::PublishSource SheetDocument::SourceOf(const std::string& path) const {
    const std::string& set = sheet_.sMScoreOpen;
    if (IsSheetOfSet() && !set.empty() && FolderOf(path) == FolderOf(set)) {
        for (const std::string& name : setSheetNames_)
            if (name == FileNameOf(path)) return {set, true};
    }
    return {path, false};
}

zav::PublishSource SheetDocument::PublicationSource() const {
    const std::string& path = IsSheetOfSet() ? sheet_.sMultiFileOpen : sheet_.sFullFileName;
    return path.empty() ? zav::PublishSource{} : SourceOf(path);
}

// Whatever replaces the sheet or ends the program stops here rather than
// lose what was typed: a set sheet that cannot be written, Cancel, a save
// chooser cancelled or a save that failed (reported by the writer).
bool SheetDocument::QuitTest() {
    if (!SaveSetSheetSilently()) return false;
    if (state_ != SheetState::Changed) return true;
    switch (user_.AskSaveChanges()) {
        case SaveAnswer::DontSave: return true;
        case SaveAnswer::Cancel: return false;
        case SaveAnswer::Save: break;
    }
    return SaveSheet();
}

bool SheetDocument::SaveSetSheetSilently() {
    if (!IsSheetOfSet() || state_ != SheetState::Changed) return true;
    if (!Write(sheet_.sMultiFileOpen)) return false;
    state_ = SheetState::Unchanged;
    ForgetRecoveryWhenSaved();
    return true;
}

void SheetDocument::NewSheet() {
    Reset();
    titleFileName_.clear();
    zav::SetNewSheetDefaults(sheet_);
}

void SheetDocument::NewSheetDescribed() {
    state_ = SheetState::Changed;
    sheet_.iGamesRunning = 0;
    StartHistory();
    WriteRecovery();
}

bool SheetDocument::LoadSheet(const std::string& path) {
    Reset();
    if (!zav::LoadSheet(sheet_, path, user_.Reporter())) return false;
    if (IsSheetOfSet())
        sheet_.sMultiFileOpen = path;
    else
        setSheetNames_.clear();
    return true;
}

void SheetDocument::OpenSheet(const std::string& path) {
    chosenFile_ = path;
    if (!LoadSheet(path)) {
        titleFileName_.clear();
        return;
    }
    state_ = SheetState::Unchanged;
    AdoptFile(path);
    UseFile(path);
    StartHistory();
}

void SheetDocument::AdoptFile(const std::string& path) {
    sheet_.sFullFileName = path;
    sheet_.sFilePath = FolderOf(path);
    sheet_.sFileName = FileNameOf(path);
    titleFileName_ = sheet_.sFileName;
}

// Read into a copy: a set file that cannot be opened leaves the sheet and
// the set as they were.
bool SheetDocument::LoadSetSheet(const std::string& path) {
    zav::ScoreSheet opened = sheet_;
    std::vector<std::string> names;
    if (!zav::LoadSetSheet(opened, path, names, user_.Reporter())) return false;
    Reset();
    sheet_ = std::move(opened);
    setSheetNames_ = std::move(names);
    return true;
}

void SheetDocument::OpenSet(const std::string& path) {
    chosenFile_ = path;
    // Nothing stays open that the commands would call "no sheet".
    if (!LoadSetSheet(path)) return Close();
    AdoptSet(path);
}

void SheetDocument::AdoptSet(const std::string& path) {
    state_ = SheetState::Unchanged;
    sheet_.sFullFileName = path;
    sheet_.sFileName = FileNameOf(path);
    titleFileName_ = sheet_.sFileName;
    UseFile(path);
    StartHistory();
}

void SheetDocument::ShowSetSheet(const std::string& name) {
    if (name.empty() || sheet_.sMScoreOpen.empty()) return;
    if (!QuitTest()) return;
    const std::string setFile = sheet_.sMScoreOpen;
    Reset();
    sheet_.sMScoreOpen = setFile;
    // A sheet that cannot be read is reported and shown empty, still of the set.
    static_cast<void>(zav::LoadSheetOfSet(sheet_, name, user_.Reporter()));
    state_ = SheetState::Unchanged;
    titleFileName_ = FileNameOf(setFile);
    StartHistory();
}

void SheetDocument::OpenSetOnSheet(const std::string& path, const std::string& name) {
    OpenSet(path);
    if (HasSheet() && name != SetSheetShown() &&
        std::find(setSheetNames_.begin(), setSheetNames_.end(), name) != setSheetNames_.end())
        ShowSetSheet(name);
}

// The core builds each sheet of the set in the open sheet's record.
void SheetDocument::CreateSet(const zav::SifEntries& entries, const zav::SetOptions& options,
                              const zav::SetPlan& plan, const std::string& setPath) {
    if (!zav::CreateSet(entries, options, plan, setPath, sheet_, user_.Reporter())) return Close();
    OpenSet(setPath);
}

void SheetDocument::Close() {
    Reset();
    setSheetNames_.clear();
    titleFileName_.clear();
}

bool SheetDocument::SaveSheet() {
    bool saved = false;
    if (IsSheetOfSet()) {
        saved = SaveSetSheetSilently();
    } else if (sheet_.sFullFileName.empty()) {
        saved =
            SaveToChosenFile(SaveChooser::FirstSave, FolderOf(newerFile_), FileNameOf(newerFile_));
    } else if (Write(sheet_.sFullFileName)) {
        state_ = SheetState::Unchanged;
        UseFile(sheet_.sFullFileName);
        saved = true;
    }
    ForgetRecoveryWhenSaved();
    return saved;
}

bool SheetDocument::SaveFileAndDialog() {
    return SaveToChosenFile(SaveChooser::SaveAs, sheet_.sFilePath, sheet_.sFileName);
}

// After a successful save the sheet belongs to the chosen file; after a
// failed one it stays changed and keeps the file it had.
bool SheetDocument::SaveToChosenFile(SaveChooser chooser, const std::string& folder,
                                     const std::string& fileName) {
    const std::string path = user_.ChooseSaveFile(chooser, folder, fileName);
    if (path.empty()) return false;
    chosenFile_ = path;
    if (!Write(path)) return false;
    AdoptFile(path);
    state_ = SheetState::Unchanged;
    UseFile(path);
    ForgetRecoveryWhenSaved();
    return true;
}

bool SheetDocument::SheetChanged(const std::string& step, zav::ChangeSource source) {
    if (!MarkChanged(step, std::move(source))) return false;
    if (saveAutoOn_) SaveAuto();
    return true;
}

void SheetDocument::MakeOfficial() {
    if (!HasSheet() || sheet_.bOfficial) return;
    zav::MakeOfficial(sheet_, zav::LocalTimestamp(std::time(nullptr)));
    SheetChanged(user_.Reporter().Text(zav::TextId::StepMakeOfficial));
}

// The door every change goes through. Refused, the change is taken back
// whole; the sheet keeps the file it belongs to now (a Save as since the last
// change included).
bool SheetDocument::MarkChanged(const std::string& step, zav::ChangeSource source) {
    if (zav::TouchesOfficialHeat(committed_, sheet_)) {
        const zav::Reporter& reporter = user_.Reporter();
        if (!reporter.AskText(zav::MessageIcon::Question,
                              zav::FormatText(reporter.Text(zav::TextId::ChangeOfficialQuestion),
                                              zav::OfficialMinute(committed_.sOfficialAt)),
                              zav::QuestionKind::Destructive)) {
            zav::ScoreSheet kept = committed_;
            zav::CopyFileIdentity(sheet_, kept);
            sheet_ = std::move(kept);
            return false;
        }
        zav::MakeProvisional(sheet_);
    }
    source.step = step;
    source.by = scorer_;
    source.at = zav::LocalTimestamp(std::time(nullptr));
    zav::RecordChanges(committed_, sheet_, source);
    history_.Record(committed_, step);
    AfterChange();
    return true;
}

// A sheet never saved has no file yet: nothing is written.
void SheetDocument::SaveAuto() {
    if (Write(OwnFile())) lastWrittenAutomatically_ = true;
}

}  // namespace zavgui
