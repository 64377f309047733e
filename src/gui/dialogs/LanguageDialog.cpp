#include "dialogs/LanguageDialog.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "support/GuiText.h"

namespace zavgui {

namespace {
constexpr int kLanguageCodeLength = 2;
}

LanguageDialog::LanguageDialog(wxWindow* parent, zav::Language wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleLanguage) {
    SetGuideSection(GuideSection::Settings);
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::LanguageNote)), 0, wxBOTTOM, 8);
    list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 110), 0, nullptr,
                         wxLB_SINGLE | wxLB_SORT);
    for (const zav::TextId name : zav::kLanguageNameTexts) list->Append(Tx(name));
    list->SetSelection(FindEntryFor(list->GetStrings(), zav::LanguageCode(wxLanguage)));
    Body()->Add(list, 1, wxEXPAND);
    FinishLayout();
}

// OK needs a chosen language; until then the dialog stays open.
bool LanguageDialog::TransferDataFromWindow() {
    if (list->GetSelection() == wxNOT_FOUND) return false;
    chosen = {
        {zav::SettingKey::Language, ToCore(list->GetStringSelection().Left(kLanguageCodeLength))}};
    return true;
}

}  // namespace zavgui
