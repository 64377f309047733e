// The registry of compiled-in text tables. A new table is declared here and
// listed once in kAllTextTables.
#include "texts/TextTable.h"

namespace zav {

#define ZAV_DECLARE_TABLE(name)    \
    extern const TextEntry name[]; \
    extern const std::size_t name##Count;
ZAV_DECLARE_TABLE(kMessagesFrench)
ZAV_DECLARE_TABLE(kCatalogueFrench)
ZAV_DECLARE_TABLE(kMessagesEnglish)
ZAV_DECLARE_TABLE(kCatalogueEnglish)
ZAV_DECLARE_TABLE(kMessagesItalian)
ZAV_DECLARE_TABLE(kCatalogueItalian)
ZAV_DECLARE_TABLE(kMessagesGerman)
ZAV_DECLARE_TABLE(kCatalogueGerman)
ZAV_DECLARE_TABLE(kDialogsFrench)
ZAV_DECLARE_TABLE(kDialogsEnglish)
ZAV_DECLARE_TABLE(kDialogsItalian)
ZAV_DECLARE_TABLE(kDialogsGerman)
#undef ZAV_DECLARE_TABLE

const TextTable kAllTextTables[] = {
    {1000, kMessagesFrench, kMessagesFrenchCount},
    {1000, kCatalogueFrench, kCatalogueFrenchCount},
    {2000, kMessagesEnglish, kMessagesEnglishCount},
    {2000, kCatalogueEnglish, kCatalogueEnglishCount},
    {3000, kMessagesItalian, kMessagesItalianCount},
    {3000, kCatalogueItalian, kCatalogueItalianCount},
    {4000, kMessagesGerman, kMessagesGermanCount},
    {4000, kCatalogueGerman, kCatalogueGermanCount},
    {1000, kDialogsFrench, kDialogsFrenchCount},
    {2000, kDialogsEnglish, kDialogsEnglishCount},
    {3000, kDialogsItalian, kDialogsItalianCount},
    {4000, kDialogsGerman, kDialogsGermanCount},
};
const std::size_t kAllTextTablesCount = sizeof(kAllTextTables) / sizeof(kAllTextTables[0]);

}  // namespace zav
