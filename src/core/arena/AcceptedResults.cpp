#include "arena/AcceptedResults.h"

namespace zav {
namespace {

// A day of results at a ground, and then some: older ones are no longer
// followed.
constexpr std::size_t kMostKept = 500;

}  // namespace

bool AcceptedResults::Holds(const Kept& kept, const ScoreSheet& sheet) {
    for (int t = 0; t < kMaxTeams; ++t)
        if (sheet.iGamePlace[t][kept.game] != kept.places[t] ||
            sheet.bAvertissement[t][kept.game] != kept.blames[t])
            return false;
    return true;
}

void AcceptedResults::Accepted(int id, int game, const std::string& sheetKey,
                               const ScoreSheet& sheet) {
    if (game < 0 || game >= kMaxGames) return;
    Kept kept{id, game, sheetKey, {}, {}, true};
    for (int t = 0; t < kMaxTeams; ++t) {
        kept.places[t] = sheet.iGamePlace[t][game];
        kept.blames[t] = sheet.bAvertissement[t][game];
    }
    if (kept_.size() >= kMostKept) kept_.pop_front();
    kept_.push_back(kept);
}

std::vector<std::pair<int, FinishLineStatus>> AcceptedResults::Follow(const ScoreSheet& sheet,
                                                                      const std::string& sheetKey) {
    std::vector<std::pair<int, FinishLineStatus>> changed;
    for (Kept& kept : kept_) {
        if (kept.sheetKey != sheetKey) continue;
        const bool onSheet = Holds(kept, sheet);
        if (onSheet == kept.onSheet) continue;
        kept.onSheet = onSheet;
        changed.emplace_back(kept.id,
                             onSheet ? FinishLineStatus::Accepted : FinishLineStatus::Undone);
    }
    return changed;
}

}  // namespace zav
