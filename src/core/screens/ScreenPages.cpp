#include "screens/ScreenPages.h"

#include "paths/PathNames.h"
#include "sheet/Scoring.h"

namespace zav {

ScreenPages BuildScreenPages(const ScreenSource& source) {
    return {PrepareBoardPage(source), PrepareOverlayPage(source), PrepareAnnouncerPage(source)};
}

namespace {

// The table of the heats' championship that has the open sheet's column
// (its first category's, for a sheet of grouped categories).
std::optional<ChampionshipTable> TableWith(const std::vector<Heat>& heats,
                                           const std::string& openName, Language language) {
    for (ChampionshipTable& table : BuildChampionship(heats, language).tables)
        for (const ChampionshipColumn& column : table.columns)
            if (column.file == openName) return std::move(table);
    return std::nullopt;
}

}  // namespace

std::optional<ChampionshipTable> ChampionshipOfSheet(const ScoreSheet& open,
                                                     const std::string& openFile,
                                                     const std::vector<Heat>& heats,
                                                     Language language) {
    Heat openHeat{openFile, open, {}};
    ComputeScores(openHeat.sheet);
    ComputeChallengeScores(openHeat.sheet);
    const std::string openName = FileNameOf(openFile);
    // Sheets naming no category are one table: those that share no team
    // with the open sheet stay out of it.
    std::vector<Heat> category;
    bool placed = false;
    for (const Heat& heat : heats) {
        if (FileNameOf(heat.path) == openName) {
            category.push_back(openHeat);
            placed = true;
            continue;
        }
        if (!heat.IsRead()) continue;
        const auto pair = TableWith({openHeat, heat}, openName, language);
        if (pair && SharesTeams(*pair)) category.push_back(heat);
    }
    if (category.size() < (placed ? 2u : 1u)) return std::nullopt;
    if (!placed) category.push_back(openHeat);
    return TableWith(category, openName, language);
}

}  // namespace zav
