#include "championship/ChampionshipTable.h"

#include <algorithm>

#include "championship/HeatCategories.h"
#include "championship/TeamNames.h"
#include "paths/PathNames.h"
#include "sets/SetCreation.h"

namespace zav {
namespace {

template <typename T>
bool Holds(const std::vector<T>& list, const T& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The table of one category, heat after heat. Each team joins the row of its
// name that has no points in this heat yet, or starts a row. A name two teams
// share on one sheet starts a row for each, which no later sheet joins either.
class TableBuilder {
public:
    explicit TableBuilder(const std::string& category) { table_.category = category; }

    const std::string& Category() const { return table_.category; }

    // The heat's teams of the table's category, by their index on the sheet.
    void AddHeat(const Heat& heat, const std::vector<int>& teams) {
        const ScoreSheet& sheet = heat.sheet;
        table_.columns.push_back(
            {sheet.sTitle, sheet.sSubTitle, sheet.sDate, sheet.sAmPm, FileNameOf(heat.path), {}});
        const std::size_t column = table_.columns.size() - 1;
        std::vector<std::string> names;
        for (const int t : teams) names.push_back(sheet.sTeamName[t]);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (LooseNameKey(names[i]).empty()) continue;
            const bool sharedHere = MatchName(names[i], names).kind == MatchKind::Ambiguous;
            const std::string note = names[i] + " (" + FileNameOf(heat.path) + ")";
            if (sharedHere && !Holds(notJoined_, note)) notJoined_.push_back(note);
            std::vector<std::string> open;
            std::vector<std::size_t> openRows;
            for (std::size_t r = 0; r < table_.rows.size() && !sharedHere; ++r) {
                if (!joinable_[r] || table_.rows[r].points.size() > column) continue;
                open.push_back(table_.rows[r].team);
                openRows.push_back(r);
            }
            const NameMatch match = MatchName(names[i], open);
            if (match.index < 0) {
                table_.rows.push_back({names[i], {}, 0, 0, false});
                joinable_.push_back(!sharedHere);
            }
            ChampionshipRow& row =
                match.index < 0 ? table_.rows.back() : table_.rows[openRows[match.index]];
            const float points = sheet.fSetScore[teams[i]];
            row.points.resize(column);
            row.points.push_back(points);
            row.total += points;
        }
        for (ChampionshipRow& row : table_.rows) row.points.resize(column + 1);
    }

    ChampionshipTable Finish(Language language);

private:
    ChampionshipTable table_;
    std::vector<bool> joinable_;  // per row
    std::vector<std::string> notJoined_;
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

std::string WithoutExtension(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

// A set's sub-titles repeat the competition line in every heat of a category,
// and heats of one event repeat their title: neither tells heats apart.
void NameHeats(std::vector<ChampionshipColumn>& columns) {
    bool commonTitle = true;
    for (const ChampionshipColumn& column : columns)
        commonTitle = commonTitle && column.title == columns.front().title;
    for (ChampionshipColumn& column : columns) {
        if (!commonTitle && !column.title.empty()) column.heading.push_back(column.title);
        if (!column.subTitle.empty() && SubTitleCategories(column.subTitle).empty())
            column.heading.push_back(column.subTitle);
        std::string when = column.date;
        if (!column.period.empty()) when += (when.empty() ? "" : " - ") + column.period;
        if (!when.empty()) column.heading.push_back(when);
    }
    std::vector<bool> twin(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (std::size_t other = 0; other < columns.size(); ++other)
            twin[c] = twin[c] || (other != c && columns[other].heading == columns[c].heading);
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].heading.empty() || twin[c])
            columns[c].heading.push_back(WithoutExtension(columns[c].file));
}

ChampionshipTable TableBuilder::Finish(Language language) {
    NameHeats(table_.columns);
    if (!notJoined_.empty())
        table_.notes.push_back(
            FormatText(Text(language, TextId::NamesNotJoined), Joined(notJoined_)));
    Rank(table_.rows);
    return std::move(table_);
}

}  // namespace

Championship BuildChampionship(const std::vector<Heat>& heats, Language language) {
    Championship championship;
    std::vector<TableBuilder> builders;  // one per category
    bool commonTitle = true, first = true;
    for (const Heat& heat : heats) {
        if (!heat.IsRead()) {
            championship.notes.push_back(
                FormatText(Text(language, TextId::SheetNotRead), heat.ProblemLine()));
            continue;
        }
        const ScoreSheet& s = heat.sheet;
        if (first) championship.title = s.sTitle;
        commonTitle = commonTitle && s.sTitle == championship.title;
        first = false;
        for (const CategoryTeams& group : TeamsByCategory(s)) {
            auto builder = std::find_if(builders.begin(), builders.end(), [&](const auto& b) {
                return b.Category() == group.category;
            });
            if (builder == builders.end())
                builder = builders.emplace(builders.end(), group.category);
            builder->AddHeat(heat, group.teams);
        }
    }
    if (!commonTitle) championship.title.clear();
    for (TableBuilder& builder : builders) championship.tables.push_back(builder.Finish(language));
    return championship;
}

bool SharesTeams(const ChampionshipTable& table) {
    for (const ChampionshipRow& row : table.rows)
        if (std::count_if(row.points.begin(), row.points.end(),
                          [](const auto& p) { return p.has_value(); }) > 1)
            return true;
    return false;
}

}  // namespace zav
