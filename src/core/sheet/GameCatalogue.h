// The fixed catalogue of 41 games: names at text offsets 140..180, equipment
// at offset + 100, in each language. German names carry "- " break points for
// the narrow columns of the score sheet.
#pragma once

#include <string>

#include "sheet/ScoreSheet.h"

namespace zav {

constexpr int kFirstCatalogueGame = 140;
constexpr int kLastCatalogueGame = 180;
constexpr int kEquipmentOffset = 100;

// The name without its break points: removes "- " at most twice, each time
// only when it does not start the name.
std::string RetireCesure(const std::string& name);

// The catalogue name (with its break points) of the interface language whose
// shown form (break points removed) is `shown`; `shown` itself when none is.
std::string AjouteCesure(const std::string& shown, int wxLanguage);

// The catalogue offset (140..180) of a name in the given language, or 0.
int CatalogueOffsetOf(const std::string& name, int wxLanguage);

// Replaces catalogue game names written in the sheet's file language by the
// same games in the interface language; then the sheet is in that language.
void TranslateGameNames(ScoreSheet& sheet, int wxLanguage);

}  // namespace zav
