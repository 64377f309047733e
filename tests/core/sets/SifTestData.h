// Entries files as the registration system exports them, for the set tests.
#pragma once

#include <string>
#include <vector>

namespace zavtest {

// One team record: category in field 4, team name in field 7.
inline std::string TeamLine(const std::string& category, const std::string& name,
                            const std::string& lineEnd = "\n") {
    return "12345;E" + name + ";NOM_EQU;" + category + ";club;rider;" + name + lineEnd;
}

// A competition header line, then one team line per (category, name).
inline std::string SifText(const std::vector<std::pair<std::string, std::string>>& teams) {
    std::string text = "12345;Championnat;2026\n";
    for (const auto& [category, name] : teams) text += TeamLine(category, name);
    return text;
}

}  // namespace zavtest
