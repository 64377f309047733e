#include "championship/CarriedScores.h"

#include "championship/TeamNames.h"

namespace zav {

CarryRule CarryRuleFor(std::size_t sheets) {
    return sheets == 1 ? CarryRule::TotalOfOneSheet : CarryRule::SumOfHeatScores;
}

TeamMatches ProposeMatches(const ScoreSheet& open, const std::vector<const ScoreSheet*>& earlier) {
    TeamMatches matches(TeamsInUse(open));
    for (int t = 0; t < TeamsInUse(open); ++t) {
        for (const ScoreSheet* sheet : earlier) {
            const NameMatch match = MatchName(open.sTeamName[t], TeamNames(*sheet));
            matches[t].push_back(match.kind == MatchKind::Ambiguous ? kAskTeam
                                 : match.kind == MatchKind::None    ? kNoTeam
                                                                    : match.index);
        }
    }
    return matches;
}

Carried CarriedScores(const ScoreSheet& open, int team,
                      const std::vector<const ScoreSheet*>& earlier,
                      const std::vector<int>& matches) {
    const bool total = CarryRuleFor(earlier.size()) == CarryRule::TotalOfOneSheet;
    const bool challengeTeam = open.iChallengeScoring != 0 && open.bChallengeTeam[team];
    Carried carried;
    for (std::size_t s = 0; s < earlier.size() && s < matches.size(); ++s) {
        const ScoreSheet& sheet = *earlier[s];
        const int t = matches[s];
        if (t < 0 || t >= TeamsInUse(sheet)) continue;
        carried.points =
            carried.points.value_or(0.0f) + (total ? sheet.fTotalScore[t] : sheet.fSetScore[t]);
        if (challengeTeam && sheet.iChallengeScoring != 0 && sheet.bChallengeTeam[t])
            carried.challenge =
                carried.challenge.value_or(0.0f) +
                (total ? sheet.fChallengeTotalScore[t] : sheet.fChallengeSetScore[t]);
    }
    return carried;
}

std::vector<int> UnmatchedTeams(const TeamMatches& matches) {
    std::vector<int> teams;
    for (int t = 0; t < static_cast<int>(matches.size()); ++t) {
        bool matched = false;
        for (const int m : matches[t]) matched = matched || m >= 0;
        if (!matched) teams.push_back(t);
    }
    return teams;
}

void StoreCarriedScores(ScoreSheet& open, const std::vector<const ScoreSheet*>& earlier,
                        const TeamMatches& matches) {
    for (int t = 0; t < TeamsInUse(open) && t < static_cast<int>(matches.size()); ++t) {
        const Carried carried = CarriedScores(open, t, earlier, matches[t]);
        if (carried.points) open.fPreviousScore[t] = *carried.points;
        if (carried.challenge) open.fChallengePreviousScore[t] = *carried.challenge;
    }
}

std::vector<const ScoreSheet*> ReadSheets(const std::vector<Heat>& heats) {
    std::vector<const ScoreSheet*> sheets;
    for (const Heat& heat : heats)
        if (heat.IsRead()) sheets.push_back(&heat.sheet);
    return sheets;
}

}  // namespace zav
