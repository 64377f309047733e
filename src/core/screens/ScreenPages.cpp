#include "screens/ScreenPages.h"

#include "io/Paths.h"
#include "sheet/Scoring.h"

namespace zav {

ScreenPages BuildScreenPages(const ScreenSource& source) {
    return {PrepareBoardPage(source), PrepareOverlayPage(source), PrepareAnnouncerPage(source)};
}

std::optional<ChampionshipTable> ChampionshipOfSheet(const ScoreSheet& open,
                                                     const std::string& openFile,
                                                     const std::vector<Heat>& heats,
                                                     Language language) {
    Heat openHeat{openFile, open, {}};
    ComputeScores(openHeat.sheet);
    ComputeChallengeScores(openHeat.sheet);
    std::vector<Heat> category;
    bool placed = false;
    for (const Heat& heat : heats) {
        if (FileNameOf(heat.path) == FileNameOf(openFile)) {
            category.push_back(openHeat);
            placed = true;
        } else if (heat.IsRead() &&
                   SharesTeams(BuildChampionshipTable({openHeat, heat}, language))) {
            category.push_back(heat);
        }
    }
    if (category.size() < (placed ? 2u : 1u)) return std::nullopt;
    if (!placed) category.push_back(openHeat);
    return BuildChampionshipTable(category, language);
}

}  // namespace zav
