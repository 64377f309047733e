// The championship table: every team across the chosen sheets, its heat score
// in each, its total and its rank. Teams are joined across sheets by name as
// the previous scores are (the same name, else the same up to case, accents
// and spaces); a name two teams share on one sheet is not joined by guessing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "championship/Heats.h"

namespace zav {

struct ChampionshipColumn {
    std::string title;
    std::string subTitle;
    std::string date;
};

struct ChampionshipRow {
    std::string team;                          // as the first sheet it is on writes it
    std::vector<std::optional<float>> points;  // per column; nothing: not in that heat
    float total = 0;
    int rank = 0;  // 1 + the number of teams with a higher total
    bool sharedRank = false;
};

struct ChampionshipTable {
    std::string title;  // the sheets' common title, else empty
    std::vector<ChampionshipColumn> columns;
    std::vector<ChampionshipRow> rows;  // by rank, then in order of appearance
    std::vector<std::string> notes;     // sheets not read, names not joined
};

// The columns are the heats read, in the order given.
ChampionshipTable BuildChampionshipTable(const std::vector<Heat>& heats, Language language);

// The heats share teams: some team has points in two of them (a set of
// sheets of different categories does not make a championship).
bool SharesTeams(const ChampionshipTable& table);

}  // namespace zav
