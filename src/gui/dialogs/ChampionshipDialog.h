// The championship tables (one per category) over the sheets the scorer
// checks, shown as their page; the command that opens it prints and exports
// the page from its buttons.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "championship/ChampionshipTable.h"
#include "dialogs/EarlierSheets.h"
#include "dialogs/ZavDialog.h"

class wxHtmlWindow;

namespace zavgui {

class ChampionshipDialog : public ZavDialog {
public:
    // `offered`: the sheets of the open set and those added before, checked
    // when `proposed`. `page` builds the tables' page for the window.
    ChampionshipDialog(wxWindow* parent, zav::Language wxLanguage,
                       const std::vector<std::string>& offered,
                       const std::function<bool(const zav::Heat&)>& proposed,
                       std::function<std::vector<std::string>()> chooseSheets,
                       std::function<std::string(const zav::Championship&)> page);

    // The tables of the sheets now checked.
    const zav::Championship& Tables() const { return championship_; }

    EarlierSheets sheets;
    wxHtmlWindow* view = nullptr;
    wxButton* print = nullptr;
    wxButton* preview = nullptr;
    wxButton* exportHtml = nullptr;
    wxButton* exportPdf = nullptr;

private:
    void Rebuild();

    std::function<std::string(const zav::Championship&)> page_;
    zav::Championship championship_;
};

}  // namespace zavgui
