#include "view/DisplayChoices.h"

namespace zavgui {

zav::SheetView DisplayChoices::ViewOf(const zav::ScoreSheet& sheet) const {
    if (sheet.iChallengeScoring == 0) return zav::ViewOnOpening(sheet);
    switch (ranking.value_or(Ranking::Both)) {
        case Ranking::CompetitionOnly: return {1, 0};
        case Ranking::ChallengeOnly: return {0, 1};
        case Ranking::Both: break;
    }
    return {1, 1};
}

}  // namespace zavgui
