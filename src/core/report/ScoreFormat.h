// How scores and their table cells are written on the pages, and the truncation the pages use to
// decide which columns and cells to show.
#pragma once

#include <string>

namespace zav {

struct ScoreSheet;

// The number rule: a whole score as an integer ("12"), any other with one
// decimal ("6.5"). Independent of the C locale.
void AppendScore(std::string& page, float score);
std::string FormatScore(float score);

// The score cells the team rows of the competition and of the 'Challenge'
// share. A previous score of exactly 0 (never entered) leaves its cell blank.
void AppendPreviousScoreCell(std::string& page, float score);
// The heat score in blue emphasis; `size` is the font size attribute of the
// target ("size=\"12\"" on the window and the printer, "" in a file).
void AppendHeatScoreCell(std::string& page, float score, const char* size, const char* blue);
// The total in red emphasis.
void AppendTotalScoreCell(std::string& page, float score, const char* red);

// The score truncated toward zero, as the column and cell tests count it;
// values beyond the int range saturate instead of overflowing.
long long TruncateScore(float score);

// Whether game `g` was run: some team has points in it (its 'Challenge'
// points with `challenge`; teams outside the 'Challenge' have none). A game
// nobody has scored in yet shows empty cells on every page.
bool GameWasRun(const ScoreSheet& sheet, int g, bool challenge);

}  // namespace zav
