// One change of a heat's results as the record keeps it: when it was made,
// where it came from and what it changed, so that an appeal can be answered
// from the sheet itself.
#pragma once

#include <string>
#include <vector>

namespace zav {

enum class HistoryOrigin {
    Window,      // typed in the window by the scorer
    FinishLine,  // sent by a judge from the finish line, accepted by the scorer
    Undo,        // the scorer took a change back
    Redo,        // the scorer made an undone change again
};

enum class HistorySubject {
    Game,      // the results of one game
    TieBreak,  // the tie-break places
    Standing,  // the heat made official or provisional again
};

// A team's result as it stood, the team by its number (from 1) and its name
// then (a team renamed later keeps its old name here). For a game, its
// result code and blame; for the tie-breaks, its tie-break place.
struct TeamMark {
    int number = 0;
    std::string team;
    int code = 0;
    bool blame = false;

    bool operator==(const TeamMark& other) const {
        return number == other.number && team == other.team && code == other.code &&
               blame == other.blame;
    }
    bool operator!=(const TeamMark& other) const { return !(*this == other); }
};

// Who made a change, when, and how it reached the sheet.
struct ChangeSource {
    HistoryOrigin origin = HistoryOrigin::Window;
    std::string step;  // the change as Undo names it; for an undo or a redo, the step taken back or
                       // made again
    std::string by;    // the scorer who made or accepted it
    std::string at;    // local time the change was made, "2024-06-01 14:32:05"

    // From the finish line: the judge's name, the phone, when it was sent,
    // and, when the scorer changed it before accepting, what the judge sent.
    std::string judge;
    std::string phone;
    std::string sentAt;
    bool edited = false;
    std::vector<TeamMark> sent;
};

// Each entry keeps its change's whole source.
struct HistoryEntry : ChangeSource {
    HistorySubject subject = HistorySubject::Game;
    int game = 0;           // from 0, for a game
    bool official = false;  // for the standing: official after the change
    // The teams that had a result (or a tie-break place) before and after.
    std::vector<TeamMark> before;
    std::vector<TeamMark> after;
};

using ResultHistory = std::vector<HistoryEntry>;

}  // namespace zav
