#include "frame/SetToolCommands.h"

#include <wx/filename.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "support/Documents.h"

namespace zavgui {

SetToolCommands::SetToolCommands(wxZAVFrame& frame) : frame_(frame) {
    const auto bind = [&](int id, zav::SetOperation operation) {
        frame.Bind(
            wxEVT_MENU, [this, operation](wxCommandEvent&) { Run(operation); }, id);
    };
    bind(ID_COPY_SIF_SCORE_SET, zav::SetOperation::Copy);
    bind(ID_MOVE_SIF_SCORE_SET, zav::SetOperation::Move);
    bind(ID_DELETE_SIF_SCORE_SET, zav::SetOperation::Delete);
    frame.Bind(wxEVT_MENU, &SetToolCommands::OnHelpSIFScoreSet, this, ID_HELP_SIF_SCORE_SET);
}

void SetToolCommands::Run(zav::SetOperation operation) {
    SheetDocument& document = frame_.Document();
    const bool setOpen = !document.SetSheetNames().empty();
    const std::string openSet = setOpen ? document.Sheet().sMScoreOpen : std::string();
    const std::string openSheet = document.SetSheetShown();
    if (!frame_.MayReplaceSheet()) return;
    // Where the chooser starts depends on the sheet open until now.
    const wxFileName proposed(FromCore(openSet));
    const wxString start =
        setOpen ? proposed.GetPath() : frame_.User().Folders().Start(FileKind::Set);
    document.Close();
    frame_.ShowDocument();
    const wxString setPath =
        frame_.User().ChooseExistingFile(FileKind::Set, zav::TextId::OpenSetCaption,
                                         zav::TextId::SetFilter, start, proposed.GetFullName());
    wxString folder;
    const bool done = !setPath.empty() && CommonOpenSIF(operation, setPath, folder);
    const std::string reopen =
        zav::OpenSetAfter(operation, done, openSet, ToCore(setPath), ToCore(folder));
    if (!reopen.empty()) {
        document.OpenSetOnSheet(reopen, openSheet);
        frame_.ShowDocument();
    }
    if (done)
        frame_.User().Reporter().ShowText(zav::MessageIcon::Information,
                                          zav::SetOperationDone(operation, frame_.Language()));
}

bool SetToolCommands::CommonOpenSIF(zav::SetOperation operation, const wxString& setPath,
                                    wxString& folder) {
    const zav::Reporter& reporter = frame_.User().Reporter();
    if (operation == zav::SetOperation::Delete)
        return reporter.Ask(zav::MessageIcon::Error, zav::TextId::DeleteSetWarning,
                            zav::QuestionKind::Destructive) &&
               zav::TraiteSetSheet(operation, ToCore(setPath), ToCore(setPath), reporter);
    folder =
        frame_.User().ChooseFolder(zav::TextId::ChooseTargetFolder, wxFileName(setPath).GetPath());
    return !folder.empty() &&
           zav::CopyOrMoveSet(operation, ToCore(setPath), ToCore(folder), reporter);
}

// The user guide's section on sets made from an entries file.
void SetToolCommands::OnHelpSIFScoreSet(wxCommandEvent&) {
    OpenGuideAt(frame_.Context().programDir, frame_.Language(), GuideSection::SetsFromEntries,
                frame_.User().Reporter());
}

}  // namespace zavgui
