// Options: logo, colours, language and automatic save, all kept in the
// settings file.
#include <wx/menu.h>

#include "dialogs/ColorsDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LogoDialog.h"
#include "frame/ZAVFrame.h"

using namespace zavgui;

void wxZAVFrame::OnPresentation(wxCommandEvent&) {
    LogoDialog dialog(this, AppSettings(), wxLanguage);
    if (dialog.ShowModal() == wxID_OK && iSheetState != kNoSheet) ComputeDisplaySheet();
}

void wxZAVFrame::OnOptions(wxCommandEvent&) {
    ColorsDialog dialog(this, AppSettings(), wxLanguage);
    if (dialog.ShowModal() == wxID_OK && iSheetState != kNoSheet) ComputeDisplaySheet();
}

// The new language takes effect at the next start: the program ends as Quit
// ends it and starts again.
void wxZAVFrame::OnLanguage(wxCommandEvent& event) {
    LanguageDialog dialog(this, AppSettings(), wxLanguage);
    if (dialog.ShowModal() != wxID_OK) return;
    OnClose(event);
    if (context_.restartProgram) context_.restartProgram();
}

void wxZAVFrame::OnSaveAuto(wxCommandEvent&) {
    iSaveAuto = 1 - iSaveAuto;
    EnableMenuSaveAuto();
    AppSettings().Set(zav::SettingKey::SaveAuto, iSaveAuto != 0 ? "1" : "0");
}
