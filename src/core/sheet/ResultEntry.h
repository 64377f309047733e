// The rules of the data-entry dialogs that need no window: how a result code
// maps to a place in a team's result list and back, which game the Game
// result dialog proposes, what the tie-break lists offer, how previous scores
// are written into and read from their fields, and how many staff rows are in
// use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/ScoreSheet.h"
#include "texts/Reporter.h"

namespace zav {

// --- New sheet, general data, teams ---

// What File, New proposes in the General data dialog: 8 games, 4 teams and
// 4 points for the first team.
void SetNewSheetDefaults(ScoreSheet& sheet);

// The heat has no 'Challenge' any more (its points were set to 0): no team
// takes part, none keeps previous 'Challenge' points, and it has no title.
void ClearChallenge(ScoreSheet& sheet);

// More teams flagged for the 'Challenge' than its points scale can rank.
bool ChallengeTeamsIncoherent(const ScoreSheet& sheet);

// ChallengeTeamsIncoherent, said to the user ("the number of teams for the
// 'Challenge' is not coherent..."); true when it was said.
bool WarnIfChallengeIncoherent(const ScoreSheet& sheet, const Reporter& reporter);

// --- Game result ---

// The result list of a team holds the places 1..iTeamsNr, then elimination,
// abandon and definitive abandon. Records where these three entries are in
// iRetElimin, iRetAbandon and iRetAbandonDef.
void SetResultListPositions(ScoreSheet& sheet);

// The list position that shows a result code; -1 (no selection) for no
// result or no valid code, so that a game not run yet opens empty and OK
// cannot store a place nobody typed.
int ResultListPosition(const ScoreSheet& sheet, int code);

// The result code a list position stands for; no selection (-1) is no result.
int ResultCodeAt(const ScoreSheet& sheet, int position);

// The game the dialog opens on: iGamesRunning, or the last game once every
// game has been proposed. 0 for a sheet without games.
int GameToPropose(const ScoreSheet& sheet);

// A sheet just read proposes the first game some team has no result in
// (every game once each has all its results): a finished heat opened again
// does not start over at game 1.
void ProposeFirstGameToComplete(ScoreSheet& sheet);

// Choosing another game in the dialog steps the proposal back, so that the
// step forward after OK leaves it where it was.
void OnOtherGameChosen(ScoreSheet& sheet);

// After OK in the Game result dialog: propose the following game next.
void AfterGameResult(ScoreSheet& sheet);

// After OK in the Tie-break dialog.
void AfterTieBreak(ScoreSheet& sheet);

// --- Tie-break ---

struct TieBreakChoice {
    // True when the team is level on points with another team: the list is
    // enabled and offers `entries`.
    bool level = false;
    // Positions offered, in list order.
    std::vector<int> entries;
    // Entry selected on opening; -1 when none fits.
    int selected = -1;
};

// What the tie-break list of team t offers, from the heat positions
// (iSetPlace) of the last scoring and the tie-break position stored.
// Teams that are not level show their heat position among 1..iTeamsNr.
TieBreakChoice TieBreakChoiceFor(const ScoreSheet& sheet, int t);

// --- Previous scores ---

// A previous score as its field shows it: "0", a whole number right-aligned
// on three characters, or one decimal. Independent of the C locale.
std::string PreviousScoreText(float score);

// The value typed into a score field: its first 9 characters read as a
// decimal number; text that is not a number gives 0.
float PreviousScoreFromText(std::string_view text);

// The number typed into a tie-break list (at most 9 characters); 0 when it
// is not a number.
int PlaceFromText(std::string_view text);

// --- Staff names ---

// Assistant referee rows in use: one per team, but at least kMinStaffRows.
int ARefereeRows(const ScoreSheet& sheet);

// --- Team labels ---

// "name     (colours)", the name alone for a team without colours, or
// empty for a team without a name.
std::string TeamLabel(const ScoreSheet& sheet, int t);

}  // namespace zav
