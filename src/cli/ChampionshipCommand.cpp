// zavscore-cli championship: the table of a championship run over several
// heats, for publishing or a spreadsheet.
#include <iostream>

#include "CliSupport.h"
#include "Json.h"
#include "championship/ChampionshipPage.h"
#include "championship/ChampionshipTable.h"
#include "paths/PathNames.h"
#include "publish/Publication.h"
#include "report/PageExport.h"
#include "sets/SetFile.h"
#include "settings/Settings.h"

namespace zavcli {
namespace {

// The sheet files named, a set file standing for its sheets; false after a
// set file could not be read (reported).
bool SheetPaths(const std::vector<std::string>& named, std::vector<std::string>& paths,
                const zav::Reporter& reporter) {
    for (const std::string& path : named) {
        if (!zav::SourceNamed(path).isSet) {
            paths.push_back(path);
            continue;
        }
        std::vector<std::string> names;
        if (!zav::ReadSetFile(path, zav::EncodingMark::Required, names, reporter)) return false;
        for (const std::string& name : names) paths.push_back(zav::SiblingPath(path, name));
    }
    return true;
}

std::string Joined(const std::vector<std::string>& lines, const char* separator) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : separator) + line;
    return text;
}

// A table as the JSON list holds it: the sheets that could not be read are in
// every table's notes, as any of them may miss their teams.
Json TableJson(const zav::ChampionshipTable& table, const zav::Championship& championship) {
    Json sheets = Json::array();
    for (const zav::ChampionshipColumn& column : table.columns)
        sheets.push_back({{"title", column.title},
                          {"subtitle", column.subTitle},
                          {"date", column.date},
                          {"period", column.period},
                          {"file", column.file},
                          {"name", Joined(column.heading, " - ")}});
    Json teams = Json::array();
    for (const zav::ChampionshipRow& row : table.rows) {
        Json points = Json::array();
        for (const std::optional<float>& heat : row.points)
            points.push_back(heat ? JsonNumber(*heat) : Json(nullptr));
        teams.push_back({{"rank", row.rank},
                         {"shared", row.sharedRank},
                         {"name", row.team},
                         {"points", std::move(points)},
                         {"total", JsonNumber(row.total)}});
    }
    Json notes = table.notes;
    for (const std::string& note : championship.notes) notes.push_back(note);
    return {{"category", table.category.empty() ? Json(nullptr) : Json(table.category)},
            {"title", championship.title},
            {"sheets", std::move(sheets)},
            {"teams", std::move(teams)},
            {"notes", std::move(notes)}};
}

// One line per team, the rank first ("3 =" when shared), tab-separated under
// a line of column titles.
void WriteTable(std::ostream& out, const zav::ChampionshipTable& table, zav::Language language) {
    out << zav::Text(language, zav::TextId::RankColumn) << '\t'
        << zav::Text(language, zav::TextId::TeamColumn);
    for (const zav::ChampionshipColumn& column : table.columns)
        out << '\t' << Joined(column.heading, " - ");
    out << '\t' << zav::Text(language, zav::TextId::TotalScoreColumn) << '\n';
    for (const zav::ChampionshipRow& row : table.rows) {
        out << row.rank << (row.sharedRank ? " =" : "") << '\t' << row.team;
        for (const std::optional<float>& points : row.points)
            out << '\t' << (points ? JsonNumber(*points).dump() : "");
        out << '\t' << JsonNumber(row.total).dump() << '\n';
    }
}

// One table alone as it always was; several each under its category's line,
// a blank line between them.
void WriteText(std::ostream& out, const zav::Championship& championship, zav::Language language) {
    const bool headings = championship.tables.size() > 1;
    for (std::size_t i = 0; i < championship.tables.size(); ++i) {
        if (headings)
            out << (i > 0 ? "\n" : "") << zav::CategoryHeading(championship.tables[i], language)
                << '\n';
        WriteTable(out, championship.tables[i], language);
    }
}

}  // namespace

int RunChampionship(const std::vector<std::string>& args) {
    auto run = ReadInvocation(FindCommand("championship"), args, kOneOrMoreFiles,
                              "expects one or more sheet or set files", {"--html"}, {"--json"});
    if (!run) return kExitUsage;
    const zav::Reporter reporter = run->Reporter();
    std::vector<std::string> paths;
    if (!SheetPaths(run->args.positional, paths, reporter)) return kExitFailure;

    const std::vector<zav::Heat> heats = zav::ReadHeats(paths, run->language);
    bool complete = true;
    for (const zav::Heat& heat : heats) {
        if (heat.IsRead()) continue;
        reporter.ShowText(zav::MessageIcon::Error, heat.ProblemLine());
        complete = false;
    }
    const zav::Championship championship = zav::BuildChampionship(heats, run->language);
    if (run->args.Has("--html")) {
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(SettingsPath(run->args)));
        const std::string page = zav::PrepareChampionshipPage(championship, zav::OutputTarget::File,
                                                              run->language, style);
        if (zav::ExportPage(page, run->args.Value("--html"), style, reporter) !=
            zav::ExportResult::Written)
            complete = false;
    }
    if (run->args.flags.count("--json")) {
        Json tables = Json::array();
        for (const zav::ChampionshipTable& table : championship.tables)
            tables.push_back(TableJson(table, championship));
        std::cout << PrintJson(tables);
    } else if (!run->args.Has("--html")) {
        WriteText(std::cout, championship, run->language);
    }
    std::cout.flush();
    return complete && std::cout ? kExitOk : kExitFailure;
}

}  // namespace zavcli
