#include "screens/Riders.h"

#include "championship/TeamNames.h"
#include "sets/Categories.h"
#include "sets/SetCreation.h"

namespace zav {

std::vector<std::vector<SifRider>> RidersOfSheet(const SifEntries& entries,
                                                 const ScoreSheet& sheet) {
    const int teams = TeamsInUse(sheet);
    std::vector<std::vector<SifRider>> riders(static_cast<std::size_t>(teams));
    if (entries.sCompetNr.empty() || CompetitionInSubTitle(sheet.sSubTitle) != entries.sCompetNr)
        return riders;
    // The sub-title lists the sheet's categories by their display names.
    const std::string categories = ", " + CategoriesInSubTitle(sheet.sSubTitle) + ", ";
    std::vector<const SifTeam*> candidates;
    std::vector<std::string> names;
    for (const SifTeam& team : entries.teams)
        if (categories.find(", " + CategoryFull(team.category) + ", ") != std::string::npos) {
            candidates.push_back(&team);
            names.push_back(team.name);
        }
    for (int t = 0; t < teams; ++t) {
        const NameMatch match = MatchName(sheet.sTeamName[t], names);
        if (match.kind == MatchKind::Exact || match.kind == MatchKind::Loose)
            riders[static_cast<std::size_t>(t)] = candidates[match.index]->riders;
    }
    return riders;
}

}  // namespace zav
