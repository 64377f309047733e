#include "frame/SetToolCommands.h"

#include <wx/filename.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "sets/SetTexts.h"
#include "support/Documents.h"

namespace zavgui {

namespace {

constexpr int kOpenSetCaption = 115;
constexpr int kSetFilter = 116;

}  // namespace

SetToolCommands::SetToolCommands(wxZAVFrame& frame) : frame_(frame) {
    const auto bind = [&](int id, zav::SetOperation operation) {
        frame.Bind(
            wxEVT_MENU, [this, operation](wxCommandEvent&) { Run(operation); }, id);
    };
    bind(ID_COPY_SIF_SCORE_SET, zav::kSetCopy);
    bind(ID_MOVE_SIF_SCORE_SET, zav::kSetMove);
    bind(ID_DELETE_SIF_SCORE_SET, zav::kSetDelete);
    frame.Bind(wxEVT_MENU, &SetToolCommands::OnHelpSIFScoreSet, this, ID_HELP_SIF_SCORE_SET);
}

void SetToolCommands::Run(zav::SetOperation operation) {
    if (!frame_.MayReplaceSheet()) return;
    frame_.Document().Close();
    frame_.ShowDocument();
    const wxString setPath = frame_.User().ChooseExistingFile(kOpenSetCaption, kSetFilter);
    if (setPath.empty() || CommonOpenSIF(operation, setPath) != 0) return;
    frame_.User().Messages().ShowMessage(zav::SetOperationDone(operation, frame_.Language()),
                                         zav::MessageIcon::Information);
}

int SetToolCommands::CommonOpenSIF(zav::SetOperation operation, const wxString& setPath) {
    const int language = frame_.Language();
    zav::MessageSink& messages = frame_.User().Messages();
    if (operation == zav::kSetDelete) {
        if (!messages.AskYesNo(zav::Text(language, zav::settxt::kDeleteSetWarning),
                               zav::MessageIcon::Error))
            return 1;
        return zav::TraiteSetSheet(operation, ToCore(setPath), ToCore(setPath), language, messages);
    }
    const wxString folder =
        frame_.User().ChooseFolder(zav::settxt::kChooseTargetFolder, wxFileName(setPath).GetPath());
    if (folder.empty()) return 1;
    return zav::CopyOrMoveSet(operation, ToCore(setPath), ToCore(folder), language, messages);
}

// The document exists in French only; the other languages have no help.
void SetToolCommands::OnHelpSIFScoreSet(wxCommandEvent&) {
    if (frame_.Language() == zav::kLangFrench)
        OpenDocument(frame_.Context().programDir, wxS("aide_fichier_sif_fr.pdf"), frame_.Language(),
                     frame_.User().Messages());
}

}  // namespace zavgui
