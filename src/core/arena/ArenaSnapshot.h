// What the arena server answers with: the pages of the moment, built on the
// window's (or the command line's) thread and handed over whole, so that a
// request never reads a sheet that is being changed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "championship/Heats.h"
#include "report/PageStyle.h"
#include "report/ScoreSheetPage.h"
#include "screens/ScreenPages.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

struct ArenaSheet {
    std::string title;      // its line in a set's index
    std::string phonePage;  // UTF-8, live
    std::string sheetPage;  // the score sheet page as Export writes its bytes
    std::string file;       // a set's sheet: its file's name, which tells it from the others
};

// The open sheet as the finish line enters results into it: its teams, games
// and results as they stand, and the game the Game result dialog proposes.
struct EntrySheet {
    ScoreSheet sheet;
    std::string key;  // tells this sheet from another opened later (its file)
};

struct ArenaSnapshot {
    Language language = Language::French;
    std::string heading;  // the set's index heading
    std::vector<ArenaSheet> sheets;
    std::size_t current = 0;  // the sheet "/" shows (the window's open sheet)
    bool isSet = false;
    std::optional<EntrySheet> entry;  // none: nothing to enter results into
    std::string logoName;             // served at "/" + logoName when not empty
    std::string logoBytes;
    ScreenPages screens;  // of the open sheet; none built: the pages of no sheet
};

// The pages of one sheet, as the window shows it (`view`).
ArenaSheet BuildArenaSheet(const ScoreSheet& sheet, const SheetView& view, Language language,
                           const PageStyle& style);

// The open sheet's pages put in the place of its file among the set's sheets
// as saved (`snapshot.sheets`), or after them when none is its file (a sheet
// not in the set's file, or the set's only readable one), and made current.
void PlaceOpenSheet(ArenaSnapshot& snapshot, ArenaSheet open);

// The screens of sheet `open` (of the file named `file`; empty: no file),
// with the championship of its category among `heats` (the set's sheets as
// saved; none for a single sheet) and the riders of `entries`.
ScreenPages BuildArenaScreens(const ScoreSheet& open, const std::string& file,
                              const std::vector<Heat>& heats, const BoardChoice& board,
                              const SifEntries& entries, Language language);

// The logo of `style` into the snapshot (at most the export's limit); none
// when it cannot be read.
void AddLogo(ArenaSnapshot& snapshot, const PageStyle& style);

}  // namespace zav
