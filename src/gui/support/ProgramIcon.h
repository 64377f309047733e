// The program's icon, the desktop's own (res/desktop/zavscore.svg as the PNG
// sizes of the icon theme), compiled in: the window shows the same picture in
// the build tree and in any installation.
#pragma once

#include <wx/icon.h>
#include <wx/iconbndl.h>

namespace zavgui {

// Every size, for the window manager to pick from.
wxIconBundle ProgramIcons();
// The icon of about that size in pixels.
wxIcon ProgramIcon(int size);

}  // namespace zavgui
