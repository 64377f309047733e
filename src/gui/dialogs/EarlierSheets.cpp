#include "dialogs/EarlierSheets.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "paths/PathNames.h"
#include "support/GuiText.h"

namespace zavgui {

EarlierSheets::EarlierSheets(wxWindow* parent, zav::Language language,
                             const std::vector<std::string>& offered,
                             const std::function<bool(const zav::Heat&)>& checkOffered,
                             std::function<std::vector<std::string>()> chooseSheets,
                             std::function<void()> changed)
    : language_(language), changed_(std::move(changed)) {
    auto* group =
        new wxStaticBoxSizer(wxVERTICAL, parent, Tx(language, zav::TextId::EarlierSheets));
    list = new wxCheckListBox(group->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxSize(420, 110));
    add = new wxButton(group->GetStaticBox(), wxID_ANY, Tx(language, zav::TextId::AddSheets));
    group->Add(list, 1, wxEXPAND | wxALL, 4);
    group->Add(add, 0, wxALIGN_RIGHT | wxALL, 4);
    sizer_ = group;
    for (const std::string& path : offered) {
        heats_.push_back(zav::ReadHeat(path, language_));
        list->Check(list->Append(FromCore(zav::FileNameOf(path))), checkOffered(heats_.back()));
    }
    list->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent&) { changed_(); });
    add->Bind(wxEVT_BUTTON,
              [this, choose = std::move(chooseSheets)](wxCommandEvent&) { AddSheets(choose()); });
}

void EarlierSheets::AddSheets(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        unsigned at = 0;
        while (at < heats_.size() && heats_[at].path != path) ++at;
        if (at == heats_.size()) {
            heats_.push_back(zav::ReadHeat(path, language_));
            list->Append(FromCore(zav::FileNameOf(path)));
        }
        list->Check(at);
    }
    changed_();
}

std::vector<const zav::Heat*> EarlierSheets::Checked() const {
    std::vector<const zav::Heat*> checked;
    for (unsigned i = 0; i < heats_.size(); ++i)
        if (list->IsChecked(i)) checked.push_back(&heats_[i]);
    return checked;
}

std::vector<const zav::ScoreSheet*> EarlierSheets::CheckedSheets() const {
    std::vector<const zav::ScoreSheet*> sheets;
    for (const zav::Heat* heat : Checked())
        if (heat->IsRead()) sheets.push_back(&heat->sheet);
    return sheets;
}

std::string EarlierSheets::Problems() const {
    std::string lines;
    for (const zav::Heat* heat : Checked()) {
        if (heat->IsRead()) continue;
        lines +=
            (lines.empty() ? "" : "\n") +
            zav::FormatText(zav::Text(language_, zav::TextId::SheetNotRead), heat->ProblemLine());
    }
    return lines;
}

}  // namespace zavgui
