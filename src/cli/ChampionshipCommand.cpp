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

Json TableJson(const zav::ChampionshipTable& table) {
    Json sheets = Json::array();
    for (const zav::ChampionshipColumn& column : table.columns)
        sheets.push_back(
            {{"title", column.title}, {"subtitle", column.subTitle}, {"date", column.date}});
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
    return {{"title", table.title},
            {"sheets", std::move(sheets)},
            {"teams", std::move(teams)},
            {"notes", table.notes}};
}

// One line per team, the rank first ("3 =" when shared), tab-separated under
// a line of column titles.
void WriteText(std::ostream& out, const zav::ChampionshipTable& table, zav::Language language) {
    out << zav::Text(language, zav::TextId::RankColumn) << '\t'
        << zav::Text(language, zav::TextId::TeamColumn);
    for (const zav::ChampionshipColumn& column : table.columns)
        out << '\t' << (column.subTitle.empty() ? column.title : column.subTitle);
    out << '\t' << zav::Text(language, zav::TextId::TotalScoreColumn) << '\n';
    for (const zav::ChampionshipRow& row : table.rows) {
        out << row.rank << (row.sharedRank ? " =" : "") << '\t' << row.team;
        for (const std::optional<float>& points : row.points)
            out << '\t' << (points ? JsonNumber(*points).dump() : "");
        out << '\t' << JsonNumber(row.total).dump() << '\n';
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
    const zav::ChampionshipTable table = zav::BuildChampionshipTable(heats, run->language);
    if (run->args.Has("--html")) {
        const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(SettingsPath(run->args)));
        const std::string page =
            zav::PrepareChampionshipPage(table, zav::OutputTarget::File, run->language, style);
        if (zav::ExportPage(page, run->args.Value("--html"), style, reporter) !=
            zav::ExportResult::Written)
            complete = false;
    }
    if (run->args.flags.count("--json"))
        std::cout << PrintJson(TableJson(table));
    else if (!run->args.Has("--html"))
        WriteText(std::cout, table, run->language);
    std::cout.flush();
    return complete && std::cout ? kExitOk : kExitFailure;
}

}  // namespace zavcli
