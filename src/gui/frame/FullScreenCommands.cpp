#include "frame/FullScreenCommands.h"

#include <wx/html/htmlwin.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"

namespace zavgui {

FullScreenCommands::FullScreenCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Show(!frame_.IsFullScreen()); }, ID_FULL_SCREEN);
    frame.Bind(wxEVT_CHAR_HOOK, &FullScreenCommands::OnKey, this);
}

// The page shown keeps being refreshed by every command, in large type. The
// keys go to the page: a control hidden with the toolbar would take them
// nowhere.
void FullScreenCommands::Show(bool fullScreen) {
    // The type fits the screen once it is the whole screen's, and the page
    // leaves it in the usual type.
    if (!fullScreen) frame_.View().SetLargeType(false);
    frame_.ShowFullScreen(fullScreen, wxFULLSCREEN_ALL);
    if (fullScreen) {
        frame_.View().SetLargeType(true);
        frame_.View().Window()->SetFocus();
    }
    frame_.ShowMarks();
}

// Escape is no command of the menus: the window hears it itself.
void FullScreenCommands::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers() && frame_.IsFullScreen())
        Show(false);
    else
        event.Skip();
}

}  // namespace zavgui
