// The championship table over the sheets the scorer checks, shown as its
// page; the command that opens it prints and exports the page from its
// buttons.
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
    // `offered`: the sheets of the open set, checked. `page` builds the
    // table's page for the window.
    ChampionshipDialog(wxWindow* parent, zav::Language wxLanguage,
                       const std::vector<std::string>& offered,
                       std::function<std::vector<std::string>()> chooseSheets,
                       std::function<std::string(const zav::ChampionshipTable&)> page);

    // The table of the sheets now checked.
    const zav::ChampionshipTable& Table() const { return table_; }

    EarlierSheets sheets;
    wxHtmlWindow* view = nullptr;
    wxButton* print = nullptr;
    wxButton* preview = nullptr;
    wxButton* exportHtml = nullptr;
    wxButton* exportPdf = nullptr;

private:
    void Rebuild();

    std::function<std::string(const zav::ChampionshipTable&)> page_;
    zav::ChampionshipTable table_;
};

}  // namespace zavgui
