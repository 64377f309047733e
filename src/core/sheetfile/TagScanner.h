// The sheet file is read by looking for known tags in the text, not by a
// general XML parser: old files and hand-edited ones read as they always did.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zav {

struct Tag {
    std::string_view open;   // "<title>"
    std::string_view close;  // "</title>"
};

// Where an element's value lies: [begin, end), `end` being where its closing
// tag starts (scanning cursors move there).
struct ElementSpan {
    std::size_t begin;
    std::size_t end;
};

// The first element `tag` whose opening tag starts at `from` or later and
// before `openBefore`, with the first closing tag after it; nothing when either
// tag is missing.
std::optional<ElementSpan> FindElement(std::string_view text, Tag tag, std::size_t from,
                                       std::size_t openBefore = std::string_view::npos);

// True when the opening tag occurs at `from` or later and before `openBefore`.
bool HasOpeningTag(std::string_view text, Tag tag, std::size_t from,
                   std::size_t openBefore = std::string_view::npos);

}  // namespace zav
