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
    if (dialog.ShowModal() == wxID_OK) StoreAndShow(dialog.chosen);
}

void OptionCommands::OnOptions(wxCommandEvent&) {
    ColorsDialog dialog(&frame_, frame_.AppSettings(), frame_.Language());
    if (dialog.ShowModal() == wxID_OK) StoreAndShow(dialog.chosen);
}

// Whatever could be written shows; a failure has been named.
void OptionCommands::StoreAndShow(const zav::SettingValues& values) {
    static_cast<void>(frame_.StoreSettings(values));
    if (frame_.Document().HasSheet()) frame_.ComputeDisplaySheet();
}

// A new language takes effect at the next start: the program ends as Quit
// ends it and starts again on the sheet or set that was open. The save step
// comes first, so that a change it stops leaves the language as it was (and
// a sheet saved there under a new name is the one opened again); a language
// that cannot be written would restart the program in the old one. The
// language in use, confirmed, is only written.
void OptionCommands::OnLanguage(wxCommandEvent&) {
    LanguageDialog dialog(&frame_, frame_.Language());
    if (dialog.ShowModal() != wxID_OK) return;
    if (dialog.chosen.front().second == zav::LanguageCode(frame_.Language())) {
        static_cast<void>(frame_.StoreSettings(dialog.chosen));
        return;
    }
    if (!frame_.MayReplaceSheet() || !frame_.StoreSettings(dialog.chosen)) return;
    // The set when the sheet is one of the open set's, else the sheet's file.
    const wxString reopened = FromCore(frame_.Document().PublicationSource().path);
    frame_.CloseAfterQuitTest();
    if (frame_.Context().restartProgram) frame_.Context().restartProgram(reopened);
}

// The choice holds for this run even when it cannot be written.
void OptionCommands::OnSaveAuto(wxCommandEvent&) {
    SheetDocument& document = frame_.Document();
    document.SetSaveAutoOn(!document.SaveAutoOn());
    frame_.ShowMarks();
    static_cast<void>(
        frame_.StoreSettings({{zav::SettingKey::SaveAuto, document.SaveAutoOn() ? "1" : "0"}}));
}

}  // namespace zavgui
