#include "sheetfile/TagScanner.h"

#include <algorithm>

namespace zav {
namespace {

// Where `tag` opens at `from` or later and before `openBefore`. The search
// stops at the bound: a tag missing from a team block must not cost a scan of
// the rest of the file, once per team.
std::size_t FindOpening(std::string_view text, std::string_view open, std::size_t from,
                        std::size_t openBefore) {
    if (openBefore != std::string_view::npos && openBefore < text.size())
        text = text.substr(0, std::min(text.size(), openBefore + open.size() - 1));
    return text.find(open, from);
}

}  // namespace

std::optional<ElementSpan> FindElement(std::string_view text, Tag tag, std::size_t from,
                                       std::size_t openBefore) {
    const std::size_t open = FindOpening(text, tag.open, from, openBefore);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t begin = open + tag.open.size();
    const std::size_t close = text.find(tag.close, begin);
    if (close == std::string_view::npos) return std::nullopt;
    return ElementSpan{begin, close};
}

bool HasOpeningTag(std::string_view text, Tag tag, std::size_t from, std::size_t openBefore) {
    return FindOpening(text, tag.open, from, openBefore) != std::string_view::npos;
}

}  // namespace zav
