// The placement pictures as the window and the printer find them: the user's
// own picture, else the one in the folder the page is read from, else a
// stand-in that shows the game's name and equipment, so that a placement
// page never shows a broken picture. The pages keep naming the pictures by
// file name alone ("2140.png"): the lookup is a file system handler, which
// the HTML view and every printout go through.
#pragma once

#include <wx/image.h>

#include "report/PlacementPictures.h"

namespace zavgui {

// Installs the lookup for every wxFileSystem of the process. Once, before
// the first page is shown.
void ServePlacementPictures();

// The stand-in of a missing picture, at the size the placement document
// prints the pictures.
wxImage DrawStandIn(const zav::PlacementStandIn& standIn);

}  // namespace zavgui
