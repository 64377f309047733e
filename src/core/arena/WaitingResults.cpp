#include "arena/WaitingResults.h"

#include <algorithm>

namespace zav {

void WaitingResults::Arrive(std::vector<FinishLineResult> arrived, bool acceptAtOnce) {
    for (FinishLineResult& result : arrived) {
        if (acceptAtOnce) toAccept_.push_back(result.id);
        results_.push_back(std::move(result));
    }
}

WaitingMark WaitingResults::MarkOf(std::size_t index, const ScoreSheet& sheet,
                                   const std::string& sheetKey) const {
    const FinishLineResult& result = results_.at(index);
    if (result.sheetKey != sheetKey) return WaitingMark::OtherSheet;
    switch (ConflictOf(result, sheet, results_)) {
        case Conflict::None: return sheet.bOfficial ? WaitingMark::HeatOfficial : WaitingMark::None;
        case Conflict::GameHasResult: return WaitingMark::GameHasResult;
        case Conflict::SameGameWaiting: return WaitingMark::SameGameWaiting;
    }
    return WaitingMark::None;
}

std::optional<std::size_t> WaitingResults::NextToAccept(const ScoreSheet& sheet,
                                                        const std::string& sheetKey,
                                                        bool dialogOpen) {
    if (dialogOpen) return std::nullopt;
    while (!toAccept_.empty()) {
        const int id = toAccept_.front();
        toAccept_.erase(toAccept_.begin());
        const auto found = std::find_if(results_.begin(), results_.end(),
                                        [id](const FinishLineResult& r) { return r.id == id; });
        if (found == results_.end()) continue;
        const auto index = static_cast<std::size_t>(found - results_.begin());
        if (MarkOf(index, sheet, sheetKey) == WaitingMark::None) return index;
    }
    return std::nullopt;
}

FinishLineResult WaitingResults::Take(std::size_t index) {
    FinishLineResult result = std::move(results_.at(index));
    results_.erase(results_.begin() + static_cast<std::ptrdiff_t>(index));
    toAccept_.erase(std::remove(toAccept_.begin(), toAccept_.end(), result.id), toAccept_.end());
    return result;
}

}  // namespace zav
