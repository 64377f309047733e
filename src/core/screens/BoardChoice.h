// What the big-screen board shows, as the scorer chooses it in the window
// (or on the command line): each of its views in turn, each for a time, or
// one view alone. The board follows a new choice by itself.
#pragma once

#include <optional>
#include <string_view>

namespace zav {

enum class BoardView { Turn, Ranking, Challenge, Championship };

struct BoardChoice {
    BoardView view = BoardView::Turn;
    int seconds = 12;  // each view's time in turn
};

constexpr int kMinBoardSeconds = 3;
constexpr int kMaxBoardSeconds = 600;

inline constexpr BoardView kBoardViews[] = {BoardView::Turn, BoardView::Ranking,
                                            BoardView::Challenge, BoardView::Championship};

// "turn", "ranking", "challenge", "championship": the words of the settings
// file and of the command line.
const char* BoardViewWord(BoardView view);
std::optional<BoardView> BoardViewOfWord(std::string_view word);

// Seconds outside the bounds brought within them.
int BoundBoardSeconds(int seconds);

}  // namespace zav
