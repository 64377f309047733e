#include "dialogs/LanguageDialog.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "support/GuiText.h"

namespace zavgui {

namespace {
constexpr int kLanguageCodeLength = 2;
}

LanguageDialog::LanguageDialog(wxWindow* parent, const zav::Settings& settings, int wxLanguage)
    : ZavDialog(parent, wxLanguage, zav::dlg::kTitleLanguage), settings_(settings) {
    Body()->Add(new wxStaticText(this, wxID_ANY, Tx(zav::dlg::kLanguageNote)), 0, wxBOTTOM, 8);
    list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 110), 0, nullptr,
                         wxLB_SINGLE | wxLB_SORT);
    for (int offset = 304; offset <= 307; ++offset) list->Append(Tx(offset));
    wxString code = FromCore(settings_.GetString(zav::SettingKey::Language));
    if (code.empty()) code = wxS("FR");
    list->SetSelection(FindEntryFor(list->GetStrings(), code));
    Body()->Add(list, 1, wxEXPAND);
    FinishLayout();
}

// OK needs a chosen language; until then the dialog stays open.
bool LanguageDialog::TransferDataFromWindow() {
    if (list->GetSelection() == wxNOT_FOUND) return false;
    settings_.Set(zav::SettingKey::Language,
                  ToCore(list->GetStringSelection().Left(kLanguageCodeLength)));
    return true;
}

}  // namespace zavgui
