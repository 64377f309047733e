#include "frame/PublishCommands.h"

#include "dialogs/PublishDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"

namespace zavgui {

PublishCommands::PublishCommands(wxZAVFrame& frame)
    : frame_(frame), publisher_(frame.AppSettings(), frame.User().Reporter()) {
    frame.Bind(wxEVT_MENU, &PublishCommands::OnPublishResults, this, ID_PUBLISH_RESULTS);
    frame.Bind(wxEVT_MENU, &PublishCommands::OnPublishNow, this, ID_PUBLISH_NOW);
    frame.Document().SetAfterSave(
        [this](const zav::PublishSource& source) { publisher_.AfterSave(source); });
}

PublishCommands::~PublishCommands() {
    frame_.Document().SetAfterSave(nullptr);
}

void PublishCommands::OnPublishResults(wxCommandEvent&) {
    PublishDialog dialog(&frame_, frame_.AppSettings(), frame_.Language(), frame_.User().Folders());
    dialog.ShowModal();
}

// The public sees what the files hold: changes not saved yet are saved
// first, as the Save command saves them.
void PublishCommands::OnPublishNow(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    SheetDocument& document = frame_.Document();
    if (document.State() == SheetState::Changed) {
        document.SaveSheet();
        frame_.ShowDocument();
        if (document.State() == SheetState::Changed) return;
    }
    const zav::PublishSource source = document.PublicationSource();
    if (!source.path.empty()) publisher_.PublishNow(source);
}

}  // namespace zavgui
