// The fixed catalogue of 41 games: names at text offsets 140..180 (TextId
// GameAgilityAces .. GameHoopla), the equipment of each at its offset + 100,
// in each language. German names carry "- " break points for the narrow
// columns of the score sheet.
#pragma once

#include <optional>
#include <string>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

constexpr int kCatalogueGameCount = 41;

// The catalogue game at `index` (0..40), in catalogue order.
TextId CatalogueGame(int index);

// The equipment text of a catalogue game.
TextId EquipmentOf(TextId game);

// The name without its break points: removes "- " at most twice, each time
// only when it does not start the name.
std::string RetireCesure(const std::string& name);

// The catalogue name (with its break points) of the interface language whose
// shown form (break points removed) is `shown`; `shown` itself when none is.
std::string AjouteCesure(const std::string& shown, Language language);

// The catalogue game whose name in that language is `name`; nothing for a
// game outside the catalogue.
std::optional<TextId> CatalogueGameOf(const std::string& name, Language language);

// Replaces catalogue game names written in the sheet's file language by the
// same games in the interface language; then the sheet is in that language.
void TranslateGameNames(ScoreSheet& sheet, Language language);

}  // namespace zav
