#include "dialogs/ChampionshipDialog.h"

#include <wx/button.h>
#include <wx/html/htmlwin.h>
#include <wx/sizer.h>

#include "support/GuiText.h"

namespace zavgui {

ChampionshipDialog::ChampionshipDialog(wxWindow* parent, zav::Language wxLanguage,
                                       const std::vector<std::string>& offered,
                                       const std::function<bool(const zav::Heat&)>& proposed,
                                       std::function<std::vector<std::string>()> chooseSheets,
                                       std::function<std::string(const zav::Championship&)> page)
    : ZavDialog(parent, wxLanguage, zav::TextId::ChampionshipTitle),
      sheets(this, wxLanguage, offered, proposed, std::move(chooseSheets), [this] { Rebuild(); }),
      page_(std::move(page)) {
    SetGuideSection(GuideSection::Championships);
    Body()->Add(sheets.Sizer(), 0, wxEXPAND | wxBOTTOM, 8);
    view = new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, wxSize(760, 360));
    Body()->Add(view, 1, wxEXPAND | wxBOTTOM, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (auto [button, label] : {std::pair{&print, zav::TextId::ButtonPrint},
                                 std::pair{&preview, zav::TextId::PrintPreview},
                                 std::pair{&exportHtml, zav::TextId::ButtonExportHtml},
                                 std::pair{&exportPdf, zav::TextId::ButtonExportPdf}}) {
        *button = new wxButton(this, wxID_ANY, Tx(label));
        buttons->Add(*button, 0, wxRIGHT, 6);
    }
    Body()->Add(buttons, 0);
    FinishLayout(zav::TextId::CloseButton);
    // Nothing to accept: the table changes no sheet.
    FindWindow(wxID_OK)->Hide();
    static_cast<wxButton*>(FindWindow(wxID_CANCEL))->SetDefault();
    SetEscapeId(wxID_CANCEL);
    Rebuild();
}

void ChampionshipDialog::Rebuild() {
    std::vector<zav::Heat> heats;
    for (const zav::Heat* heat : sheets.Checked()) heats.push_back(*heat);
    championship_ = zav::BuildChampionship(heats, wxLanguage_);
    view->SetPage(FromCore(page_(championship_)));
    for (wxButton* button : {print, preview, exportHtml, exportPdf})
        button->Enable(!championship_.tables.empty());
}

}  // namespace zavgui
