#include "report/ChallengeBlock.h"

#include "encoding/Markup.h"
#include "report/ScoreFormat.h"
#include "sheet/Scoring.h"

namespace zav {

void PrepareChallenge(std::string& page, ScoreSheet& sheet, OutputTarget target,
                      const SheetColumns& columns, const PageStyle& style) {
    ComputeChallengeScores(sheet);

    page += "<tr bgcolor=";
    page += style.titleBkg;
    page += "><td colspan=\"";
    page += std::to_string(ColumnCount(sheet, columns));
    page += "\"><b><font color=\"";
    page += style.headFont;
    page += "\">";
    page += EscapeMarkup(sheet.sChallengeTitle);
    page += "</font></b></td></tr>\n";

    const int teams = TeamsInUse(sheet);
    const int games = GamesInUse(sheet);
    bool run[kMaxGames];
    for (int g = 0; g < games; ++g) run[g] = GameWasRun(sheet, g, true);
    const char* size = target == OutputTarget::WindowOrPrinter ? "size=\"12\"" : "";

    int row = 0;
    for (int t = 0; t < teams; ++t) {
        if (!sheet.bChallengeTeam[t]) continue;
        page += "<tr bgcolor=";
        page += RowColour(style, row++);
        page += "><td><b>";
        page += EscapeMarkup(sheet.sTeamName[t]);
        page += "</b></td>";

        if (columns.previous) AppendPreviousScoreCell(page, sheet.fChallengePreviousScore[t]);

        for (int g = 0; g < games; ++g) {
            if (!run[g]) {
                page += "<td>&nbsp;</td>";
                continue;
            }
            page += "<td>";
            AppendScore(page, sheet.fChallengeGameScore[t][g]);
            page += "</td>";
        }

        AppendHeatScoreCell(page, sheet.fChallengeSetScore[t], size, BlueEmphasis(style));

        // The 'Challenge' has no place of its own.
        page += "<td>&nbsp;</td>";
        if (columns.tieBreak) page += "<td>&nbsp;</td>";
        if (columns.previous)
            AppendTotalScoreCell(page, sheet.fChallengeTotalScore[t], RedEmphasis(style));
        if (columns.addOn) page += "<td>&nbsp;</td>";
        page += "</tr>\n";
    }
}

}  // namespace zav
