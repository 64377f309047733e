// The championship table as a page in the look of the sheet's own pages:
// the header block with the logo, one row per team by rank, the notes under
// the table.
#pragma once

#include <string>

#include "championship/ChampionshipTable.h"
#include "report/PageFrame.h"
#include "report/PageStyle.h"

namespace zav {

std::string PrepareChampionshipPage(const ChampionshipTable& table, OutputTarget target,
                                    Language language, const PageStyle& style);

}  // namespace zav
