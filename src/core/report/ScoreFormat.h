// How scores are written on the pages, and the truncation the pages use to
// decide which columns and cells to show.
#pragma once

#include <string>

namespace zav {

// The number rule: a whole score as an integer ("12"), any other with one
// decimal ("6.5"). Independent of the C locale.
void AppendScore(std::string& page, float score);
std::string FormatScore(float score);

// The score truncated toward zero, as the column and cell tests count it;
// values beyond the int range saturate instead of overflowing.
long long TruncateScore(float score);

}  // namespace zav
