#include "frame/HelpCommands.h"

#include <wx/aboutdlg.h>
#include <wx/generic/aboutdlgg.h>

#include "dialogs/ZavDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "support/Documents.h"
#include "support/ProgramIcon.h"

namespace zavgui {

HelpCommands::HelpCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &HelpCommands::OnDocument, this, ID_PLAYING_AREA, ID_MEM_LISTE_JEUX);
    frame.Bind(wxEVT_MENU, &HelpCommands::OnDocument, this, ID_FEUILLE_ARRIVEE, ID_MEMO_PV);
    frame.Bind(wxEVT_MENU, &HelpCommands::OnDocument, this, ID_LOG_CHANGE, ID_USER_GUIDE);
    frame.Bind(wxEVT_MENU, &HelpCommands::OnAbout, this, ID_ABOUT);
    frame.Bind(EVT_ZAV_GUIDE, &HelpCommands::OnGuideSection, this);
}

void HelpCommands::OnGuideSection(wxCommandEvent& event) {
    OpenGuideAt(frame_.Context().programDir, frame_.Language(),
                static_cast<GuideSection>(event.GetInt()), frame_.User().Reporter());
}

namespace {

ReferenceDocument DocumentOf(int commandId) {
    switch (commandId) {
        case ID_PLAYING_AREA: return ReferenceDocument::PlayingArea;
        case ID_ALL_THE_GAMES: return ReferenceDocument::AllTheGames;
        case ID_MEM_LISTE_JEUX: return ReferenceDocument::GamePositions;
        case ID_FEUILLE_ARRIVEE: return ReferenceDocument::FinishSheet;
        case ID_MEM_ARBITRE: return ReferenceDocument::RefereeMemento;
        case ID_MEM_JUGE_LIGNE: return ReferenceDocument::LineJudgeMemento;
        case ID_MEM_CHEF_PISTE: return ReferenceDocument::ArenaDirectorMemento;
        case ID_MEMO_TABLEUR: return ReferenceDocument::RefereeWorkbook;
        case ID_MEMO_PRINT: return ReferenceDocument::RefereeWorkbookPrint;
        case ID_MEMO_PV: return ReferenceDocument::Report;
        case ID_LOG_CHANGE: return ReferenceDocument::ChangeLog;
        default: return ReferenceDocument::UserGuide;
    }
}

}  // namespace

void HelpCommands::OnDocument(wxCommandEvent& event) {
    OpenDocument(frame_.Context().programDir,
                 DocumentsFor(DocumentOf(event.GetId()), frame_.Language()),
                 frame_.User().Reporter());
}

void HelpCommands::OnAbout(wxCommandEvent&) {
    const zav::Language language = frame_.Language();
    wxAboutDialogInfo info;
    info.SetName(Tx(language, zav::TextId::ProductName));
    info.SetVersion(Tx(language, zav::TextId::Version));
    info.SetDescription(Tx(language, zav::TextId::TagLine));
    info.SetCopyright(Tx(language, zav::TextId::RightsNotice));
    info.SetIcon(ProgramIcon(64));
    // The generic box, shown modal: the GTK one would not be.
    wxGenericAboutDialog dialog(info, &frame_);
    dialog.ShowModal();
}

}  // namespace zavgui
