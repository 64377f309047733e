// Options: logo, colours, language and automatic save, all kept in the
// settings file.
#include <wx/menu.h>

#include "OptionDialogs.h"
#include "ZAVFrame.h"

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
    // A settings file that cannot be written is not reported yet: the option
    // keeps its old value.
    static_cast<void>(AppSettings().Set(zav::SettingKey::SaveAuto, iSaveAuto != 0 ? "1" : "0"));
}
