// Numbers in sheet files, read and written the same way whatever the user's
// locale: a decimal comma set by the desktop must never creep into a file.
#pragma once

#include <string>
#include <string_view>

namespace zav {

// Like C's atoi: leading white space, an optional sign, then the digits that
// follow; 0 when there are none. Out-of-range values stop at the int limits.
int LeadingInt(std::string_view text);

// Like C's atof for decimal numbers ("12.5", "-3", ".5", "1e2"): 0 when the
// text does not start with one. Infinities and NaN read as 0 and values past
// the float range as the largest float, so a file can never bring a score that
// arithmetic cannot handle.
float LeadingFloat(std::string_view text);

// printf's "%3.1f" in the C locale.
std::string OneDecimal(float value);

}  // namespace zav
