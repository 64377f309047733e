// The results accepted from the finish line, each with its game as the sheet
// held it once accepted: an undo (or the game entered again) takes one back,
// a redo brings it back, and the judge's phone is told each time.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "arena/FinishLineResult.h"
#include "sheet/ScoreSheet.h"

namespace zav {

class AcceptedResults {
public:
    // Result `id` went into game `game` of `sheet` (shown under `sheetKey`),
    // which holds it now.
    void Accepted(int id, int game, const std::string& sheetKey, const ScoreSheet& sheet);

    // The results of `sheet` whose standing changed since they were last
    // followed: Undone when their game no longer holds what was accepted,
    // Accepted when it holds it again.
    std::vector<std::pair<int, FinishLineStatus>> Follow(const ScoreSheet& sheet,
                                                         const std::string& sheetKey);

private:
    struct Kept {
        int id;
        int game;
        std::string sheetKey;
        int places[kMaxTeams];
        bool blames[kMaxTeams];
        bool onSheet;
    };
    static bool Holds(const Kept& kept, const ScoreSheet& sheet);
    std::deque<Kept> kept_;  // oldest first, bounded
};

}  // namespace zav
