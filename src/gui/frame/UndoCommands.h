// Undo and Redo, the Input menu's first two items: each names the change it
// takes back or makes again.
#pragma once

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class UndoCommands {
public:
    explicit UndoCommands(wxZAVFrame& frame);

    // The two items' labels and enabling as the document's history stands.
    void ShowItems();

private:
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    // The restored sheet shown as after any change.
    void ShowRestored();

    wxZAVFrame& frame_;
};

}  // namespace zavgui
