// The championship tables as a page in the look of the sheet's own pages:
// the header block with the logo, then each category's table under its name
// with its notes, the sheets that could not be read last.
#pragma once

#include <string>

#include "championship/ChampionshipTable.h"
#include "report/PageFrame.h"
#include "report/PageStyle.h"

namespace zav {

std::string PrepareChampionshipPage(const Championship& championship, OutputTarget target,
                                    Language language, const PageStyle& style);

// A table's category as its heading says it ("No category" for sheets that
// name none).
std::string CategoryHeading(const ChampionshipTable& table, Language language);

}  // namespace zav
