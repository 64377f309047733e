#include "sheetfile/TagScanner.h"

namespace zav {

std::optional<ElementSpan> FindElement(std::string_view text, Tag tag, std::size_t from,
                                       std::size_t openBefore) {
    const std::size_t open = text.find(tag.open, from);
    if (open == std::string_view::npos || open >= openBefore) return std::nullopt;
    const std::size_t begin = open + tag.open.size();
    const std::size_t close = text.find(tag.close, begin);
    if (close == std::string_view::npos) return std::nullopt;
    return ElementSpan{begin, close};
}

bool HasOpeningTag(std::string_view text, Tag tag, std::size_t from, std::size_t openBefore) {
    const std::size_t open = text.find(tag.open, from);
    return open != std::string_view::npos && open < openBefore;
}

}  // namespace zav
