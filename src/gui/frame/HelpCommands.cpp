#include "frame/HelpCommands.h"

#include <wx/aboutdlg.h>
#include <wx/generic/aboutdlgg.h>

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
}

void HelpCommands::OnDocument(wxCommandEvent& event) {
    OpenDocument(frame_.Context().programDir, DocumentsFor(event.GetId(), frame_.Language()),
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
