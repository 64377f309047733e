#include "view/DisplayChoices.h"

namespace zavgui {

zav::SheetView DisplayChoices::ViewOf(const zav::ScoreSheet& sheet) const {
    if (sheet.iChallengeScoring == 0) return zav::ViewOnOpening(sheet);
    switch (ranking.value_or(Ranking::Both)) {
        case Ranking::CompetitionOnly: return {true, false};
        case Ranking::ChallengeOnly: return {false, true};
        case Ranking::Both: break;
    }
    return {true, true};
}

}  // namespace zavgui
