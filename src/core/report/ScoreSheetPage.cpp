#include "report/ScoreSheetPage.h"

#include "encoding/Markup.h"
#include "report/ChallengeBlock.h"
#include "report/ScoreFormat.h"
#include "sheet/Scoring.h"

namespace zav {
namespace {

// Rough size of a full sheet page, so the text grows without copies.
constexpr std::size_t kPageReserve = 24 * 1024;

void AppendTitleRows(std::string& page, const ScoreSheet& sheet, const SheetColumns& columns,
                     Language language, const PageStyle& style) {
    const int games = GamesInUse(sheet);
    const auto text = [language](TextId id) -> const std::string& { return Text(language, id); };
    const auto wideCell = [&page](const std::string& title) {
        page += "<td width=20>";
        page += title;
        page += "</td>";
    };

    page += "<tr bgcolor=";
    page += style.titleBkg;
    page += "><td>";
    page += text(TextId::TeamColumn);
    page += "</td>";
    if (columns.previous) {
        page += "<td>";
        page += text(TextId::PreviousScoreColumn);
        page += "</td>";
    }
    for (int g = 0; g < games; ++g) {
        page += "<td>";
        page += text(TextId::GameColumn);
        page += "<br>";
        page += std::to_string(g + 1);
        page += "</td>";
    }
    wideCell(text(TextId::HeatScoreColumn));
    wideCell(text(TextId::HeatPositionColumn));
    if (columns.tieBreak) wideCell(text(TextId::TieBreakPositionColumn));
    if (columns.previous) wideCell(text(TextId::TotalScoreColumn));
    if (columns.addOn) {
        page += "<td>";
        page += EscapeMarkup(sheet.sColSupTitle);
        page += "</td>";
    }
    page += "</tr>\n";

    page += "<tr bgcolor=";
    page += style.titleBkg;
    page += "><td>&nbsp;</td>";
    if (columns.previous) page += "<td>&nbsp;</td>";
    for (int g = 0; g < games; ++g) {
        page += "<td>";
        page += EscapeMarkup(sheet.sGame[g]);
        page += "</td>";
    }
    if (columns.tieBreak) page += "<td>&nbsp;</td>";
    if (columns.previous) page += "<td>&nbsp;</td>";
    if (columns.addOn) page += "<td>&nbsp;</td>";
    page += "<td>&nbsp;</td><td>&nbsp;</td></tr>\n";
}

bool PlaceIsShared(const ScoreSheet& sheet, int t) {
    const int teams = TeamsInUse(sheet);
    for (int u = 0; u < teams; ++u)
        if (u != t && sheet.iSetPlace[u] == sheet.iSetPlace[t]) return true;
    return false;
}

void AppendTeamRows(std::string& page, ScoreSheet& sheet, const SheetColumns& columns,
                    OutputTarget target, bool withColours, const PageStyle& style) {
    const int teams = TeamsInUse(sheet);
    const int games = GamesInUse(sheet);
    bool run[kMaxGames];
    for (int g = 0; g < games; ++g) run[g] = GameWasRun(sheet, g, false);
    const char* size = target == OutputTarget::WindowOrPrinter ? "size=\"12\"" : "";
    const char* red = RedEmphasis(style);
    const char* blue = BlueEmphasis(style);
    // The footnote follows the marks shown: a blame taken back (a game
    // cleared) takes it away, as on the sheet read again.
    sheet.bFlagAvertissement = false;

    for (int t = 0; t < teams; ++t) {
        page += "<tr bgcolor=";
        page += RowColour(style, t);
        page += "><td><b>";
        page += EscapeMarkup(sheet.sTeamName[t]);
        page += "</b>";
        if (withColours && !sheet.sTeamColors[t].empty()) {
            page += "<br>";
            page += EscapeMarkup(sheet.sTeamColors[t]);
        }
        page += "</td>";

        if (columns.previous) AppendPreviousScoreCell(page, sheet.fPreviousScore[t]);

        for (int g = 0; g < games; ++g) {
            if (!run[g]) {
                page += "<td>&nbsp;</td>";
                continue;
            }
            page += "<td>";
            AppendScore(page, sheet.fGameScore[t][g]);
            if (sheet.bAvertissement[t][g]) {
                page += " <font color=";
                page += red;
                page += "><b>(*)</b></font></td>";
                sheet.bFlagAvertissement = true;
            } else {
                page += "</td>";
            }
        }

        AppendHeatScoreCell(page, sheet.fSetScore[t], size, blue);

        std::string place = std::to_string(sheet.iSetPlace[t]);
        if (PlaceIsShared(sheet, t)) place += " =";
        if (sheet.iTieBreakPlace[t] == 0) {
            page += "<td><center><font ";
            page += size;
            page += " color=";
            page += red;
            page += "><b>";
            page += place;
            page += "</b></font></center></td>";
        } else {
            page += "<td><center>";
            page += place;
            page += "</center></td>";
        }

        if (columns.tieBreak) {
            if (sheet.iTieBreakPlace[t] == 0) {
                page += "<td>&nbsp;</td>";
            } else {
                page += "<td><center><font ";
                page += size;
                page += " color=";
                page += red;
                page += "><b>";
                page += std::to_string(sheet.iTieBreakPlace[t]);
                page += "</b></font></center></td>";
            }
        }

        if (columns.previous) AppendTotalScoreCell(page, sheet.fTotalScore[t], red);

        if (columns.addOn) {
            if (!sheet.sColSupContent[t].empty()) {
                page += "<td>";
                page += EscapeMarkup(sheet.sColSupContent[t]);
                page += "</td>";
            } else {
                page += "<td>&nbsp;</td>";
            }
        }
        page += "</tr>\n";
    }
}

}  // namespace

SheetView ViewOnOpening(const ScoreSheet& sheet) {
    SheetView view;
    view.bViewChamp = true;
    view.bViewChall = sheet.iChallengeScoring != 0;
    return view;
}

SheetView ShowOnOpening(ScoreSheet& sheet, Language language, const PageStyle& style) {
    PrepareHtml(sheet, SheetView{}, OutputTarget::WindowOrPrinter, true, language, style);
    return ViewOnOpening(sheet);
}

SheetColumns ComputeSheetColumns(const ScoreSheet& sheet) {
    const int teams = TeamsInUse(sheet);
    long long previousSum = 0, tieBreakSum = 0;
    for (int t = 0; t < teams; ++t) {
        previousSum += TruncateScore(sheet.fPreviousScore[t]);
        previousSum += TruncateScore(sheet.fChallengePreviousScore[t]);
        tieBreakSum += sheet.iTieBreakPlace[t];
    }
    SheetColumns columns;
    columns.previous = previousSum != 0;
    columns.tieBreak = tieBreakSum != 0;
    columns.addOn = !sheet.sColSupTitle.empty();
    return columns;
}

int ColumnCount(const ScoreSheet& sheet, const SheetColumns& columns) {
    return GamesInUse(sheet) + 3 + (columns.tieBreak ? 1 : 0) + (columns.previous ? 2 : 0) +
           (columns.addOn ? 1 : 0);
}

std::string PrepareHtml(ScoreSheet& sheet, const SheetView& view, OutputTarget target,
                        bool withColours, Language language, const PageStyle& style) {
    std::string page;
    page.reserve(kPageReserve);
    PrepareHeader(page, sheet, target, language, style);

    const bool german = language == Language::German;
    page += "<center><table border=1 width=80%>";
    if (german) page += "<font size=\"3\">";
    const SheetColumns columns = ComputeSheetColumns(sheet);
    AppendTitleRows(page, sheet, columns, language, style);
    if (german) page += "</font>";

    ComputeScores(sheet);
    if (view.bViewChamp) AppendTeamRows(page, sheet, columns, target, withColours, style);
    if (sheet.iChallengeScoring != 0 && view.bViewChall)
        PrepareChallenge(page, sheet, target, columns, style);
    page += "</table></center>";

    if (sheet.bFlagAvertissement) {
        page += "<br><br><font color=";
        page += RedEmphasis(style);
        page += "><b>(*)</b> = ";
        page += Text(language, TextId::Blame);
        page += "</font><br>";
    }
    PrepareFooter(page);
    return page;
}

}  // namespace zav
