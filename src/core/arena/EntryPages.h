// The finish-line pages a judge's phone shows: the entry code, the result of
// a game, what became of a result sent, and a refusal with its reason.
#pragma once

#include <string>
#include <string_view>

#include "arena/FinishLineResult.h"
#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// The code form, with `problem` (empty: none) above it.
std::string EntryCodePage(Language language, const std::string& problem);

// The result form for the sheet: the game the Game result dialog would
// propose chosen, one list per team, one blame box per team. `form` is the
// form's one-use mark, `sheetKey` the sheet it is for.
std::string EntryResultPage(const ScoreSheet& sheet, const std::string& sheetKey,
                            const std::string& form, Language language);

// What became of result `id` (game from 0); a result still waiting makes the
// page look again when the scorer decides.
// The name a judge typed with the code, as the waiting results show it: at
// most kMaxJudgeName bytes, no control character, spaces single.
constexpr std::size_t kMaxJudgeName = 40;
std::string JudgeName(std::string_view typed);

std::string EntryStatusPage(int game, FinishLineStatus status, Language language);

// A refusal: the reason and a way back to the form.
std::string EntryProblemPage(const std::string& problem, Language language);

}  // namespace zav
