#include "frame/OptionCommands.h"

#include "dialogs/ColorsDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LogoDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"

namespace zavgui {

OptionCommands::OptionCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &OptionCommands::OnPresentation, this, ID_PRESENTATION);
    frame.Bind(wxEVT_MENU, &OptionCommands::OnOptions, this, ID_OPTIONS);
    frame.Bind(wxEVT_MENU, &OptionCommands::OnLanguage, this, ID_LANGUAGE);
    frame.Bind(wxEVT_MENU, &OptionCommands::OnSaveAuto, this, ID_SAVE_AUTO);
}

// The open sheet's page shows the new logo or colours at once.
void OptionCommands::OnPresentation(wxCommandEvent&) {
    LogoDialog dialog(&frame_, frame_.AppSettings(), frame_.Language(), frame_.User().Folders());
    if (dialog.ShowModal() == wxID_OK && frame_.Document().HasSheet()) frame_.ComputeDisplaySheet();
}

void OptionCommands::OnOptions(wxCommandEvent&) {
    ColorsDialog dialog(&frame_, frame_.AppSettings(), frame_.Language());
    if (dialog.ShowModal() == wxID_OK && frame_.Document().HasSheet()) frame_.ComputeDisplaySheet();
}

// The new language takes effect at the next start: the program ends as Quit
// ends it and starts again.
void OptionCommands::OnLanguage(wxCommandEvent&) {
    LanguageDialog dialog(&frame_, frame_.AppSettings(), frame_.Language());
    if (dialog.ShowModal() != wxID_OK || !frame_.Quit()) return;
    if (frame_.Context().restartProgram) frame_.Context().restartProgram();
}

void OptionCommands::OnSaveAuto(wxCommandEvent&) {
    SheetDocument& document = frame_.Document();
    document.SetSaveAutoOn(!document.SaveAutoOn());
    frame_.ShowMarks();
    // A settings file that cannot be written is not reported yet: the choice
    // holds for this run.
    static_cast<void>(
        frame_.AppSettings().Set(zav::SettingKey::SaveAuto, document.SaveAutoOn() ? "1" : "0"));
}

}  // namespace zavgui
