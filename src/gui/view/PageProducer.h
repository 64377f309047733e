// Builds the four pages (score sheet, staff list, equipment list, equipment
// placement) of the open sheet for the window, the printer or a file, with
// the display choices and the colours and logo the settings hold at that
// moment.
#pragma once

#include <string>

#include "championship/ChampionshipTable.h"
#include "settings/Settings.h"
#include "sheet/ScoreSheet.h"
#include "view/DisplayChoices.h"
#include "view/PageKind.h"

namespace zavgui {

class PageProducer {
public:
    PageProducer(zav::ScoreSheet& sheet, const DisplayChoices& choices, zav::Settings settings,
                 zav::Language language);

    // The score sheet page runs the scoring first: the sheet's derived
    // scores are then those the page shows.
    std::string Page(PageKind kind, PageUse use);
    // The championship tables of earlier sheets, in the same look.
    std::string Championship(const zav::Championship& championship, PageUse use) const;

private:
    zav::ScoreSheet& sheet_;
    const DisplayChoices& choices_;
    const zav::Settings settings_;
    const zav::Language language_;
};

}  // namespace zavgui
