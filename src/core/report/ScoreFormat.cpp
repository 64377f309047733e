#include "report/ScoreFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "sheet/ScoreSheet.h"

namespace zav {

long long TruncateScore(float score) {
    if (std::isnan(score)) return 0;
    constexpr float kLimit = 2147483648.0f;  // 2^31
    if (score >= kLimit) return std::numeric_limits<int>::max();
    if (score <= -kLimit) return std::numeric_limits<int>::min();
    return static_cast<long long>(static_cast<int>(score));
}

bool GameWasRun(const ScoreSheet& sheet, int g, bool challenge) {
    long long sum = 0;
    const int teams = TeamsInUse(sheet);
    for (int u = 0; u < teams; ++u)
        sum += TruncateScore(challenge ? sheet.fChallengeGameScore[u][g] : sheet.fGameScore[u][g]);
    return sum != 0;
}

void AppendScore(std::string& page, float score) {
    char buffer[64];
    std::to_chars_result result;
    const bool whole = score - std::trunc(score) == 0;
    if (whole && std::fabs(score) < 2147483648.0f) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int>(score));
    } else {
        // "%3.1f": the float's exact value rounded to one decimal; never
        // shorter than three characters, so the width adds nothing.
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(score),
                               std::chars_format::fixed, whole ? 0 : 1);
    }
    page.append(buffer, result.ptr);
}

std::string FormatScore(float score) {
    std::string text;
    AppendScore(text, score);
    return text;
}

void AppendPreviousScoreCell(std::string& page, float score) {
    if (score == 0) {
        page += "<td>&nbsp;</td>";
        return;
    }
    page += "<td>";
    AppendScore(page, score);
    page += "</td>";
}

void AppendHeatScoreCell(std::string& page, float score, const char* size, const char* blue) {
    page += "<td><font ";
    page += size;
    page += " color=";
    page += blue;
    page += "><b>";
    AppendScore(page, score);
    page += "</b></font></td>";
}

void AppendTotalScoreCell(std::string& page, float score, const char* red) {
    page += "<td><font color=";
    page += red;
    page += "><b>";
    AppendScore(page, score);
    page += "</b></font></td>";
}

}  // namespace zav
