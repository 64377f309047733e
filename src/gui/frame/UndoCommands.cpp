#include "frame/UndoCommands.h"

#include <wx/menu.h>

#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/ZAVFrame.h"

namespace zavgui {

UndoCommands::UndoCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &UndoCommands::OnUndo, this, ID_UNDO);
    frame.Bind(wxEVT_MENU, &UndoCommands::OnRedo, this, ID_REDO);
}

void UndoCommands::OnUndo(wxCommandEvent&) {
    if (frame_.Document().Undo()) ShowRestored();
}

void UndoCommands::OnRedo(wxCommandEvent&) {
    if (frame_.Document().Redo()) ShowRestored();
}

void UndoCommands::ShowRestored() {
    frame_.ComputeDisplaySheet();
    frame_.ShowDocument();
}

void UndoCommands::ShowItems() {
    wxMenuBar* bar = frame_.GetMenuBar();
    const SheetDocument& document = frame_.Document();
    const zav::Language language = frame_.Language();
    const struct {
        int id;
        bool can;
        const std::string& step;
        zav::TextId plain, named;
    } items[] = {
        {ID_UNDO, document.CanUndo(), document.UndoStep(), zav::TextId::MenuUndo,
         zav::TextId::UndoStep},
        {ID_REDO, document.CanRedo(), document.RedoStep(), zav::TextId::MenuRedo,
         zav::TextId::RedoStep},
    };
    for (const auto& item : items) {
        SetCommandLabel(bar, item.id,
                        item.can
                            ? FromCore(zav::FormatText(zav::Text(language, item.named), item.step))
                            : Tx(language, item.plain));
        bar->Enable(item.id, item.can);
    }
}

}  // namespace zavgui
