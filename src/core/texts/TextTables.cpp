// The registry of compiled-in text tables. A new table is declared here and
// listed once in kAllTextTables.
#include "texts/TextTable.h"

namespace zav {

#define ZAV_DECLARE_TABLE(name)              \
    extern const TextEntry name[];           \
    extern const std::size_t name##Count;
ZAV_DECLARE_TABLE(kMessagesEnglish)
ZAV_DECLARE_TABLE(kCatalogueEnglish)
#undef ZAV_DECLARE_TABLE

const TextTable kAllTextTables[] = {
    {2000, kMessagesEnglish, kMessagesEnglishCount},
    {2000, kCatalogueEnglish, kCatalogueEnglishCount},
};
const std::size_t kAllTextTablesCount = sizeof(kAllTextTables) / sizeof(kAllTextTables[0]);

}  // namespace zav
