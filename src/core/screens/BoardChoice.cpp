#include "screens/BoardChoice.h"

#include <algorithm>

namespace zav {

const char* BoardViewWord(BoardView view) {
    switch (view) {
        case BoardView::Turn: return "turn";
        case BoardView::Ranking: return "ranking";
        case BoardView::Challenge: return "challenge";
        case BoardView::Championship: return "championship";
    }
    return "turn";
}

std::optional<BoardView> BoardViewOfWord(std::string_view word) {
    for (const BoardView view : kBoardViews)
        if (word == BoardViewWord(view)) return view;
    return std::nullopt;
}

int BoundBoardSeconds(int seconds) {
    return std::clamp(seconds, kMinBoardSeconds, kMaxBoardSeconds);
}

}  // namespace zav
