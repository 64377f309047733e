// Reference documents, the about box, and the end of the program.
#include <wx/aboutdlg.h>
#include <wx/generic/aboutdlgg.h>
#include <wx/utils.h>

#include "Documents.h"
#include "ToolPictures.h"
#include "ZAVFrame.h"
#include "paths/ProgramFiles.h"

using namespace zavgui;

void wxZAVFrame::OnDocument(wxCommandEvent& event) {
    if (const char* document = DocumentFor(event.GetId(), wxLanguage))
        OpenDocument(wxString::FromUTF8(document));
}

// The desktop opens the document with the user's viewer for its type. The
// launcher answers before the viewer starts, so a missing file is caught here,
// and the user is told where a copy of it can be put.
bool wxZAVFrame::OpenDocument(const wxString& fileName) {
    const zav::Environment env = zav::ProcessEnvironment();
    const auto path =
        zav::FindReferenceDocument(ToCore(fileName), env, ToCore(context_.programDir));
    if (!path) {
        const std::string named =
            zav::FormatText(zav::Text(wxLanguage, zav::TextId::DocumentMissing), ToCore(fileName));
        Inform(FromCore(zav::FormatText(named, zav::UserReferenceFolder(env))));
        return false;
    }
    return wxLaunchDefaultApplication(FromCore(*path));
}

void wxZAVFrame::OnAbout(wxCommandEvent&) {
    wxAboutDialogInfo info;
    info.SetName(Tx(zav::TextId::ProductName));
    info.SetVersion(Tx(zav::TextId::Version));
    info.SetDescription(Tx(zav::TextId::TagLine));
    info.SetCopyright(Tx(zav::TextId::RightsNotice));
    info.SetIcon(ProgramIcon());
    // The generic box, shown modal: the GTK one would not be.
    wxGenericAboutDialog dialog(info, this);
    dialog.ShowModal();
}

void wxZAVFrame::OnClose(wxCommandEvent&) {
    QuitTest();
    quitTestDone_ = true;
    Close(false);
}

// The close box and the end of the desktop session take the same steps as
// Quit, so no way out loses changes silently.
void wxZAVFrame::OnCloseWindow(wxCloseEvent&) {
    if (!quitTestDone_) QuitTest();
    quitTestDone_ = true;
    Destroy();
}
