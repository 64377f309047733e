// The results from the finish line that wait for the scorer, and the rule of
// "accept at once": only a result for the sheet on screen that changes
// nothing entered by the scorer or sent by another judge, in a heat not made
// official, goes in without the scorer, and never while a dialog of the window is open (it holds a
// copy of the sheet that its OK puts back whole); those are held and judged
// again once the last dialog closes. The window shows the queue and carries
// out what it says.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/FinishLineResult.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// How a waiting result stands against the sheet on screen.
enum class WaitingMark { None, OtherSheet, GameHasResult, SameGameWaiting, HeatOfficial };

class WaitingResults {
public:
    // Results received, oldest first; with `acceptAtOnce`, each is to be
    // accepted as soon as the rule allows.
    void Arrive(std::vector<FinishLineResult> arrived, bool acceptAtOnce);

    // The next result to accept now without the scorer (its place in the
    // queue), for `sheet` shown under `sheetKey`; nothing while a dialog is
    // open. A result the rule refuses stays for the scorer and is not
    // proposed again.
    std::optional<std::size_t> NextToAccept(const ScoreSheet& sheet, const std::string& sheetKey,
                                            bool dialogOpen);

    WaitingMark MarkOf(std::size_t index, const ScoreSheet& sheet,
                       const std::string& sheetKey) const;

    // The scorer decided on it: it leaves the queue.
    FinishLineResult Take(std::size_t index);

    const std::vector<FinishLineResult>& Results() const { return results_; }
    bool Empty() const { return results_.empty(); }

private:
    std::vector<FinishLineResult> results_;
    std::vector<int> toAccept_;  // ids, oldest first
};

}  // namespace zav
