// Removal of a team that withdrew before the heat started.
#pragma once

#include "sheet/ScoreSheet.h"

namespace zav {

// Moves the rows after team d up by one (names, colours, flags, previous
// scores, results and blames, tie-break, add-on cell) and lowers the teams
// number and the points for the first place; the old last team row keeps its
// content until the next reset. The staff rows from d on move up as well,
// all of them, and the last staff row is emptied. Does nothing when d is not
// a team.
void WithdrawTeam(ScoreSheet& sheet, int d);

}  // namespace zav
