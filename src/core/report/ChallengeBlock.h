// The 'Challenge' block: rows appended inside the open score sheet table,
// under the same column titles, for the teams taking part in the 'Challenge'.
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "report/ScoreSheetPage.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// Runs the 'Challenge' scoring, then appends the title row (spanning every
// column of the table) and one row per 'Challenge' team. `columns` are the
// optional columns the score sheet table was built with.
void PrepareChallenge(std::string& page, ScoreSheet& sheet, OutputTarget target,
                      const SheetColumns& columns, const PageStyle& style);

}  // namespace zav
