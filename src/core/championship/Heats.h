// The earlier sheets of a championship, read as opening reads them and
// scored, or named with the reader's message when they cannot be read.
#pragma once

#include <string>
#include <vector>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

struct Heat {
    std::string path;
    ScoreSheet sheet;     // its heat and 'Challenge' scores computed
    std::string problem;  // the reader's message; empty when read

    bool IsRead() const { return problem.empty(); }
    // "file.score: message", for the lists of sheets not read.
    std::string ProblemLine() const;
};

// Reads without telling the user: the message is kept in `problem`, for the
// caller to show where it lists the sheets.
Heat ReadHeat(const std::string& path, Language language);

std::vector<Heat> ReadHeats(const std::vector<std::string>& paths, Language language);

// The names of the teams in use, in sheet order.
std::vector<std::string> TeamNames(const ScoreSheet& sheet);

}  // namespace zav
