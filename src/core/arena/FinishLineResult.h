// A game's result sent from the finish line: read from the judge's form by
// the rules of the Game result dialog, kept as a value until the scorer
// accepts or rejects it in the window.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// A form's fields by name, as the server reads them.
using FormFields = std::multimap<std::string, std::string>;

enum class Conflict {
    None,
    GameHasResult,    // the game already has a result on the sheet
    SameGameWaiting,  // another judge's result for the game waits too
};

// Undone: accepted, then taken back by the scorer (an undo, or the game
// entered again); a redo makes it accepted again.
enum class FinishLineStatus { Received, Accepted, Rejected, Undone };

struct FinishLineResult {
    int id = 0;
    std::string sheetKey;
    int game = 0;  // from 0
    int codes[kMaxTeams] = {};
    bool blames[kMaxTeams] = {};
    std::string device;      // the judge's phone, by its address
    std::string judge;       // the name the judge typed with the code; may be empty
    std::string receivedAt;  // local time, "14:32:05"
};

// Reads the form of the result page for `sheet`: "game" (from 1), "t1".."tN"
// (the team's position in the dialog's result list, empty for no result),
// "b1".."bN" ("1": blamed), "form", "sheet" and "uid" (read by the server). Nothing
// else may be there, each field once. Returns the text telling what is wrong.
std::optional<TextId> ReadResultForm(const ScoreSheet& sheet, const FormFields& fields,
                                     FinishLineResult& result);

// Whether the result would overwrite the sheet's or meets another waiting.
Conflict ConflictOf(const FinishLineResult& result, const ScoreSheet& sheet,
                    const std::vector<FinishLineResult>& waiting);

// Writes the result into the sheet as the Game result dialog's OK does, and
// moves the proposal on as after it.
void ApplyResult(const FinishLineResult& result, ScoreSheet& sheet);

// One line for the scorer: each team's name and place or outcome, "*" for a
// blame ("Alpha 1, Bravo E*").
std::string DescribeResult(const FinishLineResult& result, const ScoreSheet& sheet,
                           Language language);

// The dialog's list entries of a team's result (places, then the outcomes),
// in list order, in `language`.
std::vector<std::string> ResultChoices(const ScoreSheet& sheet, Language language);

}  // namespace zav
