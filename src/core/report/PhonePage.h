// The score sheet made for a phone: the heat's ranking in large type, readable
// at 360 pixels wide, with each team's game points and the 'Challenge' ranking
// when the sheet has one. Served live at the arena and published beside each
// score sheet page.
#pragma once

#include <string>

#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// Live: the page asks the server it came from for its updates (Server-Sent
// Events on "events", polling where a browser has none) and links the full
// score sheet ("sheet"); Static: a file that stands alone.
enum class PhoneUpdates { Static, Live };

// The whole page as UTF-8 HTML. The scores are those of the score sheet page:
// the heat scoring (and the 'Challenge' scoring) run on a copy of `sheet`.
std::string PreparePhonePage(const ScoreSheet& sheet, Language language, const PageStyle& style,
                             PhoneUpdates updates);

// How a phone names a sheet among others, briefly: a set's sheet by its
// categories, another by its sub-title, else by its title.
std::string PhoneSheetName(const std::string& title, const std::string& subTitle);

// The element of a live page that an update replaces, by its id.
constexpr const char* kPhoneLiveId = "zav-live";

}  // namespace zav
