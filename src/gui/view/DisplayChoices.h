// The View menu's choices: the page item marked, and the rankings the score
// sheet page shows. Nothing is marked before the first sheet.
#pragma once

#include <optional>

#include "report/ScoreSheetPage.h"
#include "view/PageKind.h"

namespace zavgui {

enum class Ranking { Both, CompetitionOnly, ChallengeOnly };

struct DisplayChoices {
    std::optional<PageKind> page;
    std::optional<Ranking> ranking;

    // As a sheet just created, read or reset shows itself: the score sheet,
    // both rankings.
    void Reset() {
        page = PageKind::Sheet;
        ranking = Ranking::Both;
    }

    // The parts of the score sheet page. A sheet without a 'Challenge' shows
    // its competition rows whatever ranking was chosen before its 'Challenge'
    // was removed.
    zav::SheetView ViewOf(const zav::ScoreSheet& sheet) const;
};

}  // namespace zavgui
