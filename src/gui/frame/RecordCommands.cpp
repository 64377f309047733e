#include "frame/RecordCommands.h"

#include "dialogs/GameHistoryDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "official/Standing.h"

namespace zavgui {
namespace {

// The game last changed, where an appeal most likely begins; else the first.
int LastChangedGame(const zav::ScoreSheet& sheet) {
    for (auto entry = sheet.history.rbegin(); entry != sheet.history.rend(); ++entry)
        if (entry->subject == zav::HistorySubject::Game) return entry->game;
    return 0;
}

}  // namespace

RecordCommands::RecordCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &RecordCommands::OnMakeOfficial, this, ID_MAKE_OFFICIAL);
    frame.Bind(wxEVT_MENU, &RecordCommands::OnGameHistory, this, ID_GAME_HISTORY);
}

void RecordCommands::OnMakeOfficial(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    const zav::ScoreSheet& sheet = frame_.Document().Sheet();
    const zav::Reporter& reporter = frame_.User().Reporter();
    if (sheet.bOfficial)
        return reporter.Show(zav::MessageIcon::Information, zav::TextId::AlreadyOfficial,
                             zav::OfficialMinute(sheet.sOfficialAt));
    if (!reporter.Ask(zav::MessageIcon::Question, zav::TextId::MakeOfficialQuestion,
                      zav::QuestionKind::Harmless))
        return;
    frame_.Document().MakeOfficial();
    frame_.ComputeDisplaySheet();
    frame_.ShowDocument();
}

void RecordCommands::OnGameHistory(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    const zav::ScoreSheet& sheet = frame_.Document().Sheet();
    GameHistoryDialog dialog(&frame_, sheet, frame_.Language(), LastChangedGame(sheet));
    dialog.ShowModal();
}

}  // namespace zavgui
