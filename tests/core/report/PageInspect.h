// Small readers of page text for the tests: rows of the data table, the
// cells of a row, occurrences of a piece.
#pragma once

#include <string>
#include <vector>

namespace zavtest {

inline int CountOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (auto pos = text.find(piece); pos != std::string::npos; pos = text.find(piece, pos + 1))
        ++n;
    return n;
}

// Each "<tr ...>...</tr>" of the page's data table (the header block's layout
// table, border=0, is left out).
inline std::vector<std::string> TableRows(const std::string& page) {
    std::vector<std::string> rows;
    std::size_t pos = page.find("<table border=1");
    while (pos != std::string::npos) {
        const auto start = page.find("<tr", pos);
        if (start == std::string::npos) break;
        const auto end = page.find("</tr>", start);
        if (end == std::string::npos) break;
        rows.push_back(page.substr(start, end + 5 - start));
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
