// What the page tests share: a style with every colour, the sample heats
// (tests/data: small-heat, four teams and six games of which three run;
// full-heat, ten teams and twelve games with every option and names that need
// escaping or leave the code page), and readers of the page's data table.
#pragma once

#include <string>
#include <vector>

#include "report/PageStyle.h"
#include "support/TestFiles.h"

namespace zavtest {

inline zav::PageStyle ColourStyle() {
    return {"#000080", "#DDDDFF", "#FFFFFF", "#EEEEEE", false, "", ""};
}

// The small heat with staff names in every row.
inline zav::ScoreSheet StaffSheet(int teams) {
    zav::ScoreSheet s = Sample("small-heat.score");
    s.iTeamsNr = teams;
    for (int k = 0; k < zav::kStaffRows; ++k) {
        const std::string n = std::to_string(k + 1);
        s.sTeamName[k] = "Team " + n;
        s.sARefereeTeam[k] = "Group " + n;
        s.sARefereeName[k] = "Referee " + n;
        s.sPlaceurName[k] = "Placeur " + n;
    }
    return s;
}

inline int CountOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (auto pos = text.find(piece); pos != std::string::npos; pos = text.find(piece, pos + 1))
        ++n;
    return n;
}

// Each "<tr ...>...</tr>" of the page's data table, not of the header's.
inline std::vector<std::string> TableRows(const std::string& page) {
    std::vector<std::string> rows;
    for (auto pos = page.find("<table border=1");
         (pos = page.find("<tr", pos)) != std::string::npos;) {
        const auto end = page.find("</tr>", pos);
        if (end == std::string::npos) break;
        rows.push_back(page.substr(pos, end + 5 - pos));
        pos = end;
    }
    return rows;
}

// The content of each cell of a row.
inline std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    for (auto pos = row.find("<td"); pos != std::string::npos; pos = row.find("<td", pos)) {
        const auto open = row.find('>', pos);
        const auto close = row.find("</td>", open);
        cells.push_back(row.substr(open + 1, close - open - 1));
        pos = close;
    }
    return cells;
}

}  // namespace zavtest
