// Every command of the menus and the toolbar, once: its identifier, label,
// picture, kind and shortcut. The menu bar and the toolbar are both built
// from this table, so a command looks the same in both.
#pragma once

#include <wx/string.h>

#include <string>

#include "texts/Texts.h"

class wxMenuBar;
class wxToolBar;

namespace zavgui {

// The seven menus with their labels in the interface language.
wxMenuBar* BuildMenuBar(zav::Language language);

// Where a command is in the menus, in the interface language, with its
// shortcut when it has one: "File > New score sheet (Ctrl+N)".
std::string CommandPath(int id, zav::Language language);

// A command's menu label, its shortcut kept (the Undo item names the change
// it takes back).
void SetCommandLabel(wxMenuBar* menuBar, int id, const wxString& text);

// The toolbar's tools, each with its command's picture and its menu label
// as tool tip.
void AddTools(wxToolBar* toolBar, zav::Language language);

}  // namespace zavgui
