// How the compiled-in text tables are laid out. Each language has several
// tables (messages, game catalogue, dialog texts) so that each stays a file of
// one job; the lookup merges them.
#pragma once

#include <cstddef>

namespace zav {

struct TextEntry {
    int offset;
    const char* text;  // UTF-8
};

struct TextTable {
    int languageBase;
    const TextEntry* entries;
    std::size_t count;
};

// Every table of every language, defined in TextTables.cpp.
extern const TextTable kAllTextTables[];
extern const std::size_t kAllTextTablesCount;

}  // namespace zav
