#include "report/PhonePage.h"

#include <vector>

#include "encoding/Markup.h"
#include "official/Standing.h"
#include "report/PageFrame.h"
#include "report/ScoreFormat.h"
#include "report/ScoreSheetPage.h"
#include "screens/Standings.h"
#include "sets/SetCreation.h"
#include "sheet/GameCatalogue.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

constexpr const char* kPhoneStyle =
    "body{font-family:Arial,Helvetica,sans-serif;font-size:18px;margin:0;padding:8px;"
    "line-height:1.35}\n"
    "header{text-align:center;margin-bottom:8px}header img{max-height:64px}\n"
    "h1{font-size:22px;margin:4px 0}h2{font-size:19px;margin:14px 0 6px}"
    "header p{margin:2px 0;font-size:16px}\n"
    "table{width:100%;border-collapse:collapse}th{text-align:left;font-size:15px;padding:4px}\n"
    "td{padding:6px 4px;vertical-align:top}td.pos,td.total{font-size:22px;font-weight:bold;"
    "white-space:nowrap}td.total{text-align:right}\n"
    ".heat{font-size:13px;font-weight:normal;color:#555}\n"
    ".team{font-size:20px;font-weight:bold;overflow-wrap:anywhere}\n"
    ".games{font-size:15px;font-weight:normal;color:#333}.games span{margin-right:10px;"
    "white-space:nowrap}.games i{color:#777}\n"
    "ol.legend{font-size:15px;padding-left:28px}a{font-size:17px}\n"
    "header p.standing{font-weight:bold;color:#060}header p.provisional{color:#b00000}\n";

// Updates: each event (or, without EventSource, every five seconds) the page
// fetches itself again and swaps its live part, so the scroll position stays.
constexpr const char* kLiveScript =
    "<script>\n"
    "(function(){\n"
    "function refresh(){fetch(location.href,{cache:'no-store'}).then(function(r){return r.text();})"
    ".then(function(t){var d=new DOMParser().parseFromString(t,'text/html');"
    "var n=d.getElementById('zav-live'),o=document.getElementById('zav-live');"
    "if(n&&o){o.replaceWith(n);document.title=d.title;}}).catch(function(){});}\n"
    "var a=document.getElementById('zav-full');if(a)a.href='sheet'+location.search;\n"
    "if(window.EventSource){var es=new EventSource('events');es.onmessage=refresh;}\n"
    "else{setInterval(refresh,5000);}\n"
    "})();\n"
    "</script>\n";

float Total(const ScoreSheet& sheet, int t, bool previous, bool challenge) {
    if (challenge) return previous ? sheet.fChallengeTotalScore[t] : sheet.fChallengeSetScore[t];
    return previous ? sheet.fTotalScore[t] : sheet.fSetScore[t];
}

// What the total hides: this heat's own score and, once the heat is ranked
// (someone has scored), its position.
std::string HeatLine(const ScoreSheet& sheet, int t, bool challenge, Language language) {
    const std::string score =
        FormatScore(challenge ? sheet.fChallengeSetScore[t] : sheet.fSetScore[t]);
    if (challenge || HeatPlace(sheet, t) == 0)
        return FormatText(Text(language, TextId::PhoneHeatScoreLine), score);
    return FormatText(FormatText(Text(language, TextId::PhoneHeatLine), score),
                      HeatPosition(sheet, t));
}

// The points of every game run so far, after the team's name; a game nobody
// scored in yet is left out, as the score sheet leaves its cells empty. A
// blank between games lets a long row wrap instead of widening the page.
void AppendGamePoints(std::string& page, const ScoreSheet& sheet, int t, const bool* run,
                      bool challenge) {
    page += "<div class=\"games\">";
    const int games = GamesInUse(sheet);
    for (int g = 0; g < games; ++g) {
        if (!run[g]) continue;
        page += "<span><i>";
        page += std::to_string(g + 1);
        page += "</i>&nbsp;";
        AppendScore(page, challenge ? sheet.fChallengeGameScore[t][g] : sheet.fGameScore[t][g]);
        if (!challenge && sheet.bAvertissement[t][g]) page += "&nbsp;(*)";
        page += "</span> ";
    }
    page += "</div>";
}

void AppendRankingHead(std::string& page, Language language, bool previous) {
    page += "<table><tr><th>";
    page += Text(language, TextId::PhonePosition);
    page += "</th><th>";
    page += Text(language, TextId::TeamColumn);
    page += "</th><th style=\"text-align:right\">";
    page += Text(language, previous ? TextId::TotalScoreColumn : TextId::HeatScoreColumn);
    page += "</th></tr>\n";
}

void AppendRow(std::string& page, const ScoreSheet& sheet, int t, const std::string& position,
               const bool* run, bool previous, bool challenge, const PageStyle& style, int row,
               Language language) {
    page += "<tr style=\"background:";
    page += RowColour(style, row);
    page += "\"><td class=\"pos\">";
    page += position;
    page += "</td><td><div class=\"team\">";
    page += EscapeMarkup(sheet.sTeamName[t]);
    page += "</div>";
    // The position and the large number are the total's: the heat's own
    // score and position, which the total hides, come in small type.
    if (previous) {
        page += "<div class=\"heat\">";
        page += EscapeMarkup(HeatLine(sheet, t, challenge, language));
        page += "</div>";
    }
    AppendGamePoints(page, sheet, t, run, challenge);
    page += "</td><td class=\"total\">";
    AppendScore(page, Total(sheet, t, previous, challenge));
    page += "</td></tr>\n";
}

void AppendHeader(std::string& page, const ScoreSheet& sheet, Language language,
                  const PageStyle& style) {
    page += "<header>";
    if (!style.logoPath.empty()) {
        page += "<img alt=\"\" src=\"";
        page += EscapeAttribute(style.logoName);
        page += "\">";
    }
    page += "<h1 style=\"color:";
    page += style.headFont;
    page += "\">";
    page += EscapeMarkup(sheet.sTitle);
    page += "</h1>";
    if (!sheet.sSubTitle.empty()) {
        page += "<p><b>";
        page += EscapeMarkup(sheet.sSubTitle);
        page += "</b></p>";
    }
    page += "<p>";
    page += EscapeMarkup(sheet.sDate);
    if (!sheet.sAmPm.empty()) {
        page += " - ";
        page += EscapeMarkup(sheet.sAmPm);
    }
    page += "</p>";
    // Whether the ranking may still change, where the eye starts.
    page += sheet.bOfficial ? "<p class=\"standing\">" : "<p class=\"standing provisional\">";
    page += EscapeMarkup(StandingText(sheet, language));
    page += "</p></header>\n";
}

void AppendChallenge(std::string& page, const ScoreSheet& sheet, Language language, bool previous,
                     const PageStyle& style) {
    const std::vector<int> order = ChallengeOrder(sheet, previous);
    if (order.empty()) return;
    bool run[kMaxGames];
    for (int g = 0; g < GamesInUse(sheet); ++g) run[g] = GameWasRun(sheet, g, true);

    page += "<h2 style=\"color:";
    page += style.headFont;
    page += "\">";
    page += EscapeMarkup(sheet.sChallengeTitle);
    page += "</h2>\n";
    AppendRankingHead(page, language, previous);
    int row = 0;
    for (int t : order) {
        AppendRow(page, sheet, t, "", run, previous, true, style, row, language);
        ++row;
    }
    page += "</table>\n";
}

void AppendGameLegend(std::string& page, const ScoreSheet& sheet, Language language) {
    page += "<h2>";
    page += Text(language, TextId::PhoneGames);
    page += "</h2><ol class=\"legend\">";
    for (int g = 0; g < GamesInUse(sheet); ++g) {
        page += "<li>";
        // German names without the break points of the score sheet's columns.
        page += EscapeMarkup(language == Language::German ? RetireCesure(sheet.sGame[g])
                                                          : sheet.sGame[g]);
        page += "</li>";
    }
    page += "</ol>\n";
}

}  // namespace

std::string PhoneSheetName(const std::string& title, const std::string& subTitle) {
    std::string name = CategoriesInSubTitle(subTitle);
    if (name.empty()) name = subTitle.empty() ? title : subTitle;
    return name;
}

std::string PreparePhonePage(const ScoreSheet& original, Language language, const PageStyle& style,
                             PhoneUpdates updates) {
    ScoreSheet sheet = original;
    // The score sheet's decision of which columns show, before its scoring
    // runs, decides here whether totals include the previous scores.
    const bool previous = ComputeSheetColumns(sheet).previous;
    ComputeScores(sheet);
    if (sheet.iChallengeScoring != 0) ComputeChallengeScores(sheet);

    std::string page;
    page.reserve(8 * 1024);
    page +=
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page += EscapeMarkup(sheet.sTitle);
    page += "</title>\n<style>\n";
    page += kPhoneStyle;
    page += "</style>\n</head>\n<body>\n<main id=\"";
    page += kPhoneLiveId;
    page += "\">\n";
    AppendHeader(page, sheet, language, style);

    const int teams = TeamsInUse(sheet);
    // With earlier heats, the ranking is the total's.
    const std::vector<int> order = RankingOrder(sheet, previous);
    bool run[kMaxGames];
    for (int g = 0; g < GamesInUse(sheet); ++g) run[g] = GameWasRun(sheet, g, false);
    bool blame = false;
    if (previous) {
        page += "<p class=\"heat\">";
        page += Text(language, TextId::PhoneRankedByTotal);
        page += "</p>\n";
    }
    AppendRankingHead(page, language, previous);
    for (int row = 0; row < teams; ++row) {
        const int t = order[row];
        // A heat nobody has scored in ranks nobody yet ("0 =" said nothing).
        const std::string position = previous              ? TotalPosition(sheet, t)
                                     : HeatPlace(sheet, t) ? HeatPosition(sheet, t)
                                                           : std::string();
        AppendRow(page, sheet, t, position, run, previous, false, style, row, language);
        for (int g = 0; g < GamesInUse(sheet); ++g) blame |= run[g] && sheet.bAvertissement[t][g];
    }
    page += "</table>\n";
    if (blame) {
        page += "<p>(*) = ";
        page += Text(language, TextId::Blame);
        page += "</p>\n";
    }

    if (sheet.iChallengeScoring != 0) AppendChallenge(page, sheet, language, previous, style);
    AppendGameLegend(page, sheet, language);
    page += "</main>\n";
    if (updates == PhoneUpdates::Live) {
        page += "<p><a id=\"zav-full\" href=\"sheet\">";
        page += Text(language, TextId::PhoneFullSheet);
        page += "</a></p>\n";
        page += kLiveScript;
    }
    page += "</body></html>\n";
    return page;
}

}  // namespace zav
