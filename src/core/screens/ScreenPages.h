// The arena's screens of the open sheet: the big-screen board ("/board"),
// the streaming overlay ("/overlay") and the announcer's page
// ("/announcer"). Built from values on the window's (or the command line's)
// thread and handed to the server whole in its snapshot, as the phone pages
// are; each follows the event stream by itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "championship/ChampionshipTable.h"
#include "screens/BoardChoice.h"
#include "sets/SifFile.h"
#include "sheet/ScoreSheet.h"

namespace zav {

struct ScreenSource {
    const ScoreSheet* sheet = nullptr;  // none: no sheet is open, which the pages say
    Language language = Language::English;
    BoardChoice board;
    // The championship of the sheet's category, when the set's sheets share
    // teams with it.
    std::optional<ChampionshipTable> championship;
    std::vector<std::vector<SifRider>> riders;  // per team; may be empty
};

struct ScreenPages {
    std::string board, overlay, announcer;  // UTF-8 HTML
};

ScreenPages BuildScreenPages(const ScreenSource& source);

std::string PrepareBoardPage(const ScreenSource& source);
std::string PrepareOverlayPage(const ScreenSource& source);
std::string PrepareAnnouncerPage(const ScreenSource& source);

// The championship table of the open sheet's category: the set's sheets
// (`heats`, read from their files, scored) that share a team with the open
// sheet, in the set's order, the open sheet (`open`, of the file named
// `openFile`) at its own file's place or last. None when no other sheet
// shares a team with it.
std::optional<ChampionshipTable> ChampionshipOfSheet(const ScoreSheet& open,
                                                     const std::string& openFile,
                                                     const std::vector<Heat>& heats,
                                                     Language language);

}  // namespace zav
