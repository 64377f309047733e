// How a team of one sheet is found in another by its name: the same name,
// else the same letters once case, accents and spaces are set aside ("Les
// Écuries" and "les ecuries"). A name that two teams share is never settled
// by guessing: the caller asks the user.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zav {

// The name with letter case, accents and blanks set aside.
std::string LooseNameKey(std::string_view name);

enum class MatchKind {
    Exact,      // one candidate bears the name as it is written
    Loose,      // none does, one bears it up to case, accents and spaces
    Ambiguous,  // more than one candidate at the first of these levels
    None,       // no candidate, or an empty name
};

struct NameMatch {
    MatchKind kind = MatchKind::None;
    int index = -1;  // the candidate, for Exact and Loose
};

NameMatch MatchName(std::string_view name, const std::vector<std::string>& candidates);

}  // namespace zav
