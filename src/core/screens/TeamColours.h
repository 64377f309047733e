// A team's colours as the scorer typed them ("bleu/blanc", "black and
// gold", "Rot-Weiß") turned into colours a screen can paint beside the
// team's name. The words stay on the screen too: a colour never carries
// the meaning alone, and a word not known here paints nothing.
#pragma once

#include <string>
#include <vector>

namespace zav {

// At most three CSS colours ("#rrggbb"), in the order typed; the colour
// words of the four languages of the program, in their common forms.
std::vector<std::string> PaintOfColours(const std::string& colours);

}  // namespace zav
