// The championship tables: one per category, every team of that category
// across the chosen sheets, its heat score in each, its total and its rank.
// Teams are joined across sheets by name as the previous scores are (the
// same name, else the same up to case, accents and spaces); a name two teams
// of one category share on one sheet is not joined by guessing.
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
    std::string period;  // of the day
    std::string file;    // the sheet's file name
    // What tells the heat from the others of its table, a line each: its
    // title where the heats do not share one, its sub-title unless that only
    // names the set's categories, its date and period; its file's name when
    // these tell it from no other (or are empty).
    std::vector<std::string> heading;
};

struct ChampionshipRow {
    std::string team;                          // as the first sheet it is on writes it
    std::vector<std::optional<float>> points;  // per column; nothing: not in that heat
    float total = 0;
    int rank = 0;  // 1 + the number of teams with a higher total
    bool sharedRank = false;
};

struct ChampionshipTable {
    std::string category;  // its display name; empty for sheets that name none
    std::vector<ChampionshipColumn> columns;
    std::vector<ChampionshipRow> rows;  // by rank, then in order of appearance
    std::vector<std::string> notes;     // names not joined
};

struct Championship {
    std::string title;  // the common title of the sheets read, else empty
    // One per category, in the order the categories first appear.
    std::vector<ChampionshipTable> tables;
    std::vector<std::string> notes;  // sheets not read
};

// The columns of a table are the heats read that have teams of its
// category, in the order given.
Championship BuildChampionship(const std::vector<Heat>& heats, Language language);

// The heats share teams: some team has points in two of them (a heat of one
// category alone does not make a championship).
bool SharesTeams(const ChampionshipTable& table);

}  // namespace zav
