// The placement pictures: one PNG per catalogue game and interface language,
// named by the game's text number ("2140.png" is the first English catalogue
// game, "1140.png" the same game in French). The program ships none: a user
// adds them, and where one is missing the window and the printer show a
// stand-in with the game's name and equipment.
#pragma once

#include <optional>
#include <string>

#include "platform/UserFolders.h"
#include "texts/Texts.h"

namespace zav {

struct PlacementPicture {
    TextId game;
    Language language;
};

std::string PlacementPictureName(const PlacementPicture& picture);

// The catalogue game and language a file name stands for; nothing for any
// other name.
std::optional<PlacementPicture> PlacementPictureOf(const std::string& fileName);

// Where the user keeps placement pictures of their own
// ($XDG_DATA_HOME/zavscore/placement): looked in before the folder the page
// names them in, so that an installed program, whose data folder the user
// cannot write, uses them too.
std::string UserPlacementFolder(const Environment& env);

// What the stand-in of a missing picture shows: the game's name as the
// equipment list writes it (German break points removed), its equipment, and
// the name of the file that would replace it.
struct PlacementStandIn {
    std::string name;
    std::string equipment;
    std::string fileName;
};

PlacementStandIn StandInFor(const PlacementPicture& picture);

}  // namespace zav
