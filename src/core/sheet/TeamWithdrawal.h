// Removal of a team that withdrew before the heat started.
#pragma once

#include "sheet/ScoreSheet.h"

namespace zav {

// Moves the rows after team d up by one (names, colours, flags, previous
// scores, results and blames, tie-break, add-on cell, staff row) and lowers
// the teams number and the points for the first place. The old last row keeps
// its content until the next reset. Does nothing when d is not a team.
void WithdrawTeam(ScoreSheet& sheet, int d);

}  // namespace zav
