#include "championship/ChampionshipTable.h"

#include <algorithm>

#include "championship/TeamNames.h"
#include "paths/PathNames.h"

namespace zav {
namespace {

// Each team joins the row of its name that has no points in this heat yet,
// or starts a row. A name two teams share on one sheet starts a row for each,
// which no later sheet joins either.
class TableBuilder {
public:
    TableBuilder(ChampionshipTable& table) : table_(table) {}

    void AddHeat(const Heat& heat) {
        const ScoreSheet& sheet = heat.sheet;
        const std::size_t column = table_.columns.size() - 1;
        const std::vector<std::string> names = TeamNames(sheet);
        for (int t = 0; t < static_cast<int>(names.size()); ++t) {
            if (LooseNameKey(names[t]).empty()) continue;
            const bool sharedHere = MatchName(names[t], names).kind == MatchKind::Ambiguous;
            const std::string note = names[t] + " (" + FileNameOf(heat.path) + ")";
            if (sharedHere &&
                std::find(notJoined.begin(), notJoined.end(), note) == notJoined.end())
                notJoined.push_back(note);
            std::vector<std::string> open;
            std::vector<std::size_t> openRows;
            for (std::size_t r = 0; r < table_.rows.size() && !sharedHere; ++r) {
                if (!joinable_[r] || table_.rows[r].points.size() > column) continue;
                open.push_back(table_.rows[r].team);
                openRows.push_back(r);
            }
            const NameMatch match = MatchName(names[t], open);
            if (match.index < 0) {
                table_.rows.push_back({names[t], {}, 0, 0, false});
                joinable_.push_back(!sharedHere);
            }
            ChampionshipRow& row =
                match.index < 0 ? table_.rows.back() : table_.rows[openRows[match.index]];
            row.points.resize(column);
            row.points.push_back(sheet.fSetScore[t]);
            row.total += sheet.fSetScore[t];
        }
        for (ChampionshipRow& row : table_.rows) row.points.resize(column + 1);
    }

    std::vector<std::string> notJoined;

private:
    ChampionshipTable& table_;
    std::vector<bool> joinable_;  // per row
};

void Rank(std::vector<ChampionshipRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.total > b.total; });
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool sameAsAbove = r > 0 && rows[r].total == rows[r - 1].total;
        rows[r].rank = sameAsAbove ? rows[r - 1].rank : static_cast<int>(r) + 1;
        if (sameAsAbove) rows[r].sharedRank = rows[r - 1].sharedRank = true;
    }
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

ChampionshipTable BuildChampionshipTable(const std::vector<Heat>& heats, Language language) {
    ChampionshipTable table;
    TableBuilder builder(table);
    bool commonTitle = true;
    for (const Heat& heat : heats) {
        if (!heat.IsRead()) {
            table.notes.push_back(
                FormatText(Text(language, TextId::SheetNotRead), heat.ProblemLine()));
            continue;
        }
        const ScoreSheet& s = heat.sheet;
        if (table.columns.empty()) table.title = s.sTitle;
        commonTitle = commonTitle && s.sTitle == table.title;
        table.columns.push_back({s.sTitle, s.sSubTitle, s.sDate});
        builder.AddHeat(heat);
    }
    if (!commonTitle) table.title.clear();
    if (!builder.notJoined.empty())
        table.notes.push_back(
            FormatText(Text(language, TextId::NamesNotJoined), Joined(builder.notJoined)));
    Rank(table.rows);
    return table;
}

bool SharesTeams(const ChampionshipTable& table) {
    for (const ChampionshipRow& row : table.rows)
        if (std::count_if(row.points.begin(), row.points.end(),
                          [](const auto& p) { return p.has_value(); }) > 1)
            return true;
    return false;
}

}  // namespace zav
