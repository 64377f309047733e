#include "frame/ViewCommands.h"

#include "frame/ZAVFrame.h"

namespace zavgui {

ViewCommands::ViewCommands(wxZAVFrame& frame) : frame_(frame) {
    for (const PageItem& item : kPageItems)
        frame.Bind(
            wxEVT_MENU, [this, page = item.page](wxCommandEvent&) { OnPage(page); }, item.id);
    for (const RankingItem& item : kRankingItems)
        frame.Bind(
            wxEVT_MENU, [this, ranking = item.ranking](wxCommandEvent&) { OnViewRanking(ranking); },
            item.id);
}

// A click on a check item toggles its mark before the command decides
// whether it applies: the marks are put back as the choices say.
void ViewCommands::OnPage(PageKind page) {
    if (frame_.RequireSheet()) {
        frame_.Choices().page = page;
        frame_.ShowPage(page);
    }
    frame_.ShowMarks();
}

void ViewCommands::OnViewRanking(Ranking ranking) {
    frame_.ShowMarks();
    if (!frame_.RequireSheet()) return;
    // The toolbar's buttons are never disabled: without a 'Challenge' they do
    // nothing.
    if (frame_.Document().Sheet().iChallengeScoring == 0) return;
    frame_.Choices().ranking = ranking;
    frame_.ShowMarks();
    frame_.ComputeDisplaySheet();
}

}  // namespace zavgui
