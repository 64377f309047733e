// View > Full screen: the window's page alone on the whole screen in large
// type, for the arena's screen; menus, toolbar and status bar hidden, the
// keyboard commands still working. F11 enters and leaves, Escape leaves.
#pragma once

class wxKeyEvent;

namespace zavgui {

class wxZAVFrame;

class FullScreenCommands {
public:
    explicit FullScreenCommands(wxZAVFrame& frame);

private:
    void Show(bool fullScreen);
    void OnKey(wxKeyEvent& event);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
