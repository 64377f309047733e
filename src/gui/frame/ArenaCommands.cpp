#include "frame/ArenaCommands.h"

#include <wx/button.h>
#include <wx/htmllbox.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <algorithm>

#include "arena/ArenaFiles.h"
#include "arena/EntryGate.h"
#include "arena/JudgeCard.h"
#include "dialogs/ArenaDialog.h"
#include "dialogs/GameResultDialog.h"
#include "dialogs/ListChoice.h"
#include "dialogs/ZavDialog.h"
#include "frame/CommandIds.h"
#include "frame/ResultCommands.h"
#include "frame/ZAVFrame.h"
#include "paths/PathNames.h"
#include "platform/NetworkInterfaces.h"
#include "printing/PrintController.h"
#include "report/PageStyle.h"
#include "sheet/ResultEntry.h"
#include "support/GuiText.h"
#include "support/QrPicture.h"
#include "view/PageView.h"
#include "view/WaitingResultsPanel.h"

namespace zavgui {
namespace {

// Often enough that a judge's result shows at once, rarely enough to cost
// nothing: each tick takes a lock for a copy of a few values.
constexpr int kTickMilliseconds = 250;
constexpr int kArenaStatusField = 2;

}  // namespace

ArenaCommands::ArenaCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &ArenaCommands::OnArenaNetwork, this, ID_ARENA_NETWORK);
    frame.Bind(EVT_ZAV_DIALOG_OPEN, &ArenaCommands::OnDialogOpen, this);
    frame.Bind(wxEVT_CHAR_HOOK, &ArenaCommands::OnKey, this);
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        TakeArrivals();
        ShowStatus();
        ShowJudges();
    });
}

// The window is going: only the server and the timer are stopped.
ArenaCommands::~ArenaCommands() {
    timer_.Stop();
    server_.Stop();
}

WaitingResultsPanel& ArenaCommands::Panel() {
    if (panel_) return *panel_;
    panel_ = new WaitingResultsPanel(&frame_, frame_.Language());
    panel_->onAccept = [this](int i) { Accept(i); };
    panel_->onEdit = [this](int i) { Edit(i); };
    panel_->onReject = [this](int i) { Reject(i); };
    panel_->Hide();
    // Beside the view, which fills the rest of the window.
    frame_.GetSizer()->Add(panel_, 0, wxEXPAND);
    return *panel_;
}

// F6 goes to the waiting results and back to the page, from the keyboard
// alone.
void ArenaCommands::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F6 || event.HasAnyModifiers() || !panel_ || !panel_->IsShown())
        return event.Skip();
    if (wxWindow::FindFocus() == panel_->list)
        frame_.View().Window()->SetFocus();
    else
        panel_->list->SetFocus();
}

void ArenaCommands::OnArenaNetwork(wxCommandEvent&) {
    const bool wasRunning = server_.Running();
    if (ShowDialog() != wxID_OK) return;
    ApplySettings();
    // The board follows a new choice of its views at once.
    if (server_.Running()) SheetShown();
    // Just turned on: the address, its QR code and the entry code at once.
    if (!wasRunning && server_.Running()) ShowDialog();
}

int ArenaCommands::ShowDialog() {
    ArenaShown shown;
    if (server_.Running()) shown = {Address(), server_.EntryCode()};
    ArenaDialog dialog(&frame_, frame_.AppSettings(), frame_.Language(), shown);
    if (dialog.printCard) {
        dialog.printCard->Bind(wxEVT_BUTTON, [this, shown](wxCommandEvent&) {
            PrintJudgeCard(shown.address, shown.entryCode, false);
        });
        dialog.cardPdf->Bind(wxEVT_BUTTON, [this, shown](wxCommandEvent&) {
            PrintJudgeCard(shown.address, shown.entryCode, true);
        });
    }
    return dialog.ShowModal();
}

// In the sheet's language, as the score sheet the judges know; the
// interface's without a sheet.
void ArenaCommands::PrintJudgeCard(const std::string& address, const std::string& entryCode,
                                   bool pdf) {
    const SheetDocument& document = frame_.Document();
    const zav::Language language = document.HasSheet() && document.Sheet().languageSheet
                                       ? *document.Sheet().languageSheet
                                       : frame_.Language();
    // Straight to the finish line's page: a judge has no business with the
    // spectators' one.
    const std::string entry = address + "entry";
    const QrPagePicture qr(entry, 12);
    const std::string page = zav::JudgeCardPage(entry, entryCode, qr.Reference(), language);
    if (!pdf) {
        frame_.Printing().Print(PageKind::JudgeCard, page, wxString());
        return;
    }
    (void)frame_.Printing().ExportPdf(PageKind::JudgeCard, page, [this] {
        return frame_.User().ChooseNewFile(FileKind::Export, zav::TextId::JudgeCardTitle,
                                           wxString(), wxS("judge-card"), zav::TextId::PdfFilter,
                                           wxS("pdf"));
    });
}

void ArenaCommands::ApplySettings() {
    const zav::ArenaSettings wanted = zav::ReadArenaSettings(frame_.AppSettings());
    const bool running = server_.Running();
    const bool start =
        wanted.on && (!running || wanted.port != settings_.port || wanted.bind != settings_.bind);
    if (!wanted.on) Stop();
    if (start) {
        // What the old port received is the window's before the move.
        TakeArrivals();
        zav::ArenaOptions options;
        options.port = wanted.port;
        options.language = frame_.Language();
        if (!wanted.bind.empty()) options.bind = wanted.bind;
        std::string reason;
        if (!server_.Start(options, reason)) {
            // A network that ran goes on as it was: its phones stay connected.
            settings_.acceptAtOnce = wanted.acceptAtOnce;
            frame_.User().Reporter().Show(zav::MessageIcon::Error, zav::TextId::ArenaPortFailed,
                                          std::to_string(wanted.port) + " (" + reason + ")");
            ShowStatus();
            return;
        }
    }
    settings_ = wanted;
    if (start && !running) {
        timer_.Start(kTickMilliseconds);
        wxStatusBar* bar = frame_.GetStatusBar();
        bar->SetFieldsCount(3);
        // The save time keeps its whole sentence in every language.
        const int saved =
            bar->GetTextExtent(
                   TxFormat(frame_.Language(), zav::TextId::SavedAutomaticallyAt, wxS("00:00")))
                .x +
            24;
        const int widths[] = {-2, std::max(190, saved), -3};
        bar->SetStatusWidths(3, widths);
    }
    if (start) SheetShown();
    ShowStatus();
}

// What waits, and what arrived since the last tick, stays for the scorer.
void ArenaCommands::Stop() {
    if (!server_.Running()) return;
    timer_.Stop();
    server_.Stop();
    Wait(server_.TakeArrivals(), false);
    judgesShown_.clear();
    if (panel_) panel_->SetJudges({});
    frame_.GetStatusBar()->SetFieldsCount(2);
    ShowWaiting();
}

bool ArenaCommands::MayDropWaiting() {
    TakeArrivals();
    if (waiting_.Empty()) return true;
    const zav::Reporter& reporter = frame_.User().Reporter();
    if (!reporter.AskText(zav::MessageIcon::Warning,
                          zav::FormatText(reporter.Text(zav::TextId::ArenaWaitingLeft),
                                          static_cast<long>(waiting_.Results().size())),
                          zav::QuestionKind::Destructive))
        return false;
    while (!waiting_.Empty()) Decided(0, false);
    ShowWaiting();
    return true;
}

std::string ArenaCommands::Address() const {
    std::string host = settings_.bind;
    if (host.empty()) {
        const std::vector<zav::NetworkInterface> interfaces = zav::LocalInterfaces();
        host = interfaces.empty() ? "localhost" : interfaces.front().address;
    }
    return "http://" + host + ":" + std::to_string(server_.Port()) + "/";
}

const std::string& ArenaCommands::SheetKey() const {
    const unsigned replacements = frame_.Document().Replacements();
    if (sheetKeyFor_ != replacements) {
        sheetKeyFor_ = replacements;
        sheetKey_ = zav::RandomHex(8);
    }
    return sheetKey_;
}

void ArenaCommands::BuildSetPages() {
    const SheetDocument& document = frame_.Document();
    if (setPagesFor_ == document.Replacements()) return;
    setPagesFor_ = document.Replacements();
    setPages_.clear();
    setHeats_.clear();
    if (!document.HasSheet() || !document.IsSheetOfSet()) return;
    // The other sheets as saved; messages of a sheet that cannot be read
    // were given when the set was opened.
    zav::RecordingMessageSink quiet;
    const zav::Reporter reporter(frame_.Language(), quiet);
    const zav::PublishSource source = document.PublicationSource();
    setPages_ = zav::SnapshotOfFiles(source, frame_.Language(),
                                     zav::ReadPageStyle(frame_.AppSettings()), reporter, &setHeats_)
                    .sheets;
}

const zav::SifEntries& ArenaCommands::Entries(const std::string& path) {
    const std::vector<long long> written = zav::WriteTimes({path});
    if (path != entriesPath_ || written[0] != entriesWritten_) {
        entriesPath_ = path;
        entriesWritten_ = written[0];
        entries_ = {};
        // A file that cannot be read gives no riders; the dialog names it.
        zav::RecordingMessageSink quiet;
        if (!path.empty() &&
            !zav::ReadSifFile(path, entries_, zav::Reporter(frame_.Language(), quiet)))
            entries_ = {};
    }
    return entries_;
}

void ArenaCommands::SheetShown() {
    // An undo or a redo of an accepted result: its judge's phone follows.
    if (frame_.Document().HasSheet())
        for (const auto& [id, status] : accepted_.Follow(frame_.Document().Sheet(), SheetKey()))
            server_.Decide(id, status);
    if (!server_.Running()) {
        // The marks of what waits follow the sheet, and what was decided goes.
        if (panel_ && panel_->IsShown()) ShowWaiting();
        return;
    }
    const SheetDocument& document = frame_.Document();
    auto shot = std::make_shared<zav::ArenaSnapshot>();
    shot->language = frame_.Language();
    const zav::PageStyle style = zav::ReadPageStyle(frame_.AppSettings());
    // Without a sheet the server shows the screens' page of no sheet.
    if (document.HasSheet()) {
        // Read at each build, as the page style is: a new choice in the
        // dialog or a set just made from an entries file shows on the
        // screens at once.
        const zav::ArenaSettings arena = zav::ReadArenaSettings(frame_.AppSettings());
        BuildSetPages();
        const zav::ScoreSheet& sheet = document.Sheet();
        zav::ArenaSheet current =
            zav::BuildArenaSheet(sheet, frame_.Choices().ViewOf(sheet), frame_.Language(), style);
        current.file = zav::FileNameOf(document.OwnFile());
        shot->screens = zav::BuildArenaScreens(sheet, current.file, setHeats_, arena.board,
                                               Entries(arena.entriesFile), frame_.Language());
        shot->sheets = setPages_;
        zav::PlaceOpenSheet(*shot, std::move(current));
        shot->isSet = document.IsSheetOfSet();
        shot->heading = zav::FileNameOf(document.PublicationSource().path);
        shot->entry = zav::EntrySheet{sheet, SheetKey()};
    }
    zav::AddLogo(*shot, style);
    server_.SetSnapshot(std::move(shot));
    ShowWaiting();
}

void ArenaCommands::TakeArrivals() {
    if (server_.Running()) Wait(server_.TakeArrivals(), settings_.acceptAtOnce);
}

void ArenaCommands::Wait(std::vector<zav::FinishLineResult> arrived, bool acceptAtOnce) {
    if (arrived.empty()) return;
    waiting_.Arrive(std::move(arrived), acceptAtOnce);
    AcceptWhatMay();
}

void ArenaCommands::AcceptWhatMay() {
    while (const auto index =
               waiting_.NextToAccept(frame_.Document().Sheet(), SheetKey(), dialogsOpen_ > 0))
        Accept(static_cast<int>(*index));
    ShowWaiting();
}

void ArenaCommands::OnDialogOpen(wxCommandEvent& event) {
    dialogsOpen_ += event.GetInt() ? 1 : -1;
    // After the command that opened the dialog has stored its OK: the held
    // results are then judged against the sheet as the scorer left it.
    if (dialogsOpen_ == 0) frame_.CallAfter([this] { AcceptWhatMay(); });
}

void ArenaCommands::Accept(int index) {
    if (index < 0 || index >= static_cast<int>(waiting_.Results().size())) return;
    const zav::FinishLineResult result = waiting_.Results()[index];
    if (result.sheetKey != SheetKey() || !frame_.Document().HasSheet()) return wxBell();
    // As the Game result dialog's OK: the results, the next game proposed,
    // then the change recorded, saved and shown (and so served). A result
    // the scorer would not let into an official heat goes on waiting.
    zav::ApplyResult(result, frame_.Document().EditSheet());
    if (!frame_.SheetChanged(GameResultStep(frame_.Language(), result.game), SourceOf(result)))
        return;
    accepted_.Accepted(result.id, result.game, SheetKey(), frame_.Document().Sheet());
    Decided(index, true);
    ShowWaiting();
}

void ArenaCommands::Edit(int index) {
    if (index < 0 || index >= static_cast<int>(waiting_.Results().size())) return;
    const zav::FinishLineResult result = waiting_.Results()[index];
    if (result.sheetKey != SheetKey() || !frame_.Document().HasSheet()) return wxBell();
    zav::ScoreSheet& sheet = frame_.Document().EditSheet();
    // The dialog shows what the sheet holds for the game it opens on: the
    // sheet holds the result while it is open, and gets its own back on
    // Cancel. Beside it, the game's history: what the judge's result would
    // replace, and where that came from.
    const zav::ScoreSheet before = sheet;
    zav::FinishLineResult shown = result;
    zav::ApplyResult(shown, sheet);
    sheet.iGamesRunning = result.game;
    zav::ChangeSource source = SourceOf(result);
    source.sent = zav::GameMarks(sheet, result.game);
    GameResultDialog dialog(&frame_, sheet, frame_.Language(), &before);
    if (dialog.ShowModal() != wxID_OK || !dialog.Stored()) {
        sheet = before;
        return;
    }
    const int game = dialog.game->GetSelection();
    sheet.iGamesRunning = before.iGamesRunning;
    if (game != zav::GameToPropose(sheet)) zav::OnOtherGameChosen(sheet);
    zav::AfterGameResult(sheet);
    source.edited = game != result.game || zav::GameMarks(sheet, game) != source.sent;
    if (!source.edited) source.sent.clear();
    if (!frame_.SheetChanged(GameResultStep(frame_.Language(), game), source)) return;
    accepted_.Accepted(result.id, game, SheetKey(), frame_.Document().Sheet());
    Decided(index, true);
    ShowWaiting();
}

// The judge, the phone and when it was sent, as the record keeps them; the
// scorer and the time of acceptance are the document's.
zav::ChangeSource ArenaCommands::SourceOf(const zav::FinishLineResult& result) {
    zav::ChangeSource source;
    source.origin = zav::HistoryOrigin::FinishLine;
    source.judge = result.judge;
    source.phone = result.device;
    source.sentAt = result.receivedAt;
    return source;
}

void ArenaCommands::Reject(int index) {
    if (index < 0 || index >= static_cast<int>(waiting_.Results().size())) return;
    Decided(index, false);
    ShowWaiting();
}

void ArenaCommands::Decided(int index, bool accepted) {
    server_.Decide(waiting_.Take(static_cast<std::size_t>(index)).id, accepted);
}

void ArenaCommands::ShowWaiting() {
    std::vector<WaitingEntry> entries;
    const zav::Language language = frame_.Language();
    const zav::ScoreSheet& sheet = frame_.Document().Sheet();
    const std::string& key = SheetKey();
    for (std::size_t i = 0; i < waiting_.Results().size(); ++i) {
        const zav::FinishLineResult& result = waiting_.Results()[i];
        WaitingEntry entry;
        entry.heading =
            FromCore(zav::FormatText(zav::Text(language, zav::TextId::ArenaFromFinishLine),
                                     static_cast<long>(result.game + 1)) +
                     ", " + result.receivedAt + ", " +
                     (result.judge.empty() ? result.device : result.judge));
        entry.result = FromCore(zav::DescribeResult(result, sheet, language));
        switch (waiting_.MarkOf(i, sheet, key)) {
            case zav::WaitingMark::None: break;
            case zav::WaitingMark::OtherSheet:
                entry.mark = Tx(language, zav::TextId::ArenaOtherSheet);
                break;
            case zav::WaitingMark::GameHasResult:
                entry.mark = Tx(language, zav::TextId::ArenaConflictResult);
                break;
            case zav::WaitingMark::SameGameWaiting:
                entry.mark = Tx(language, zav::TextId::ArenaConflictJudges);
                break;
            case zav::WaitingMark::HeatOfficial:
                entry.mark = Tx(language, zav::TextId::ArenaHeatOfficial);
                break;
        }
        entries.push_back(entry);
    }
    // Shown while the network is on or a result still waits for the scorer;
    // made the first time it is.
    const bool shown = server_.Running() || !waiting_.Empty();
    if (shown || panel_) {
        Panel().SetEntries(entries, !server_.Running());
        if (Panel().IsShown() != shown) {
            Panel().Show(shown);
            frame_.Layout();
        }
    }
    ShowStatus();
}

// Only when the list changed: the panel is not laid out again at each tick.
void ArenaCommands::ShowJudges() {
    std::vector<zav::JudgePhone> judges = server_.Judges();
    const auto same = [](const zav::JudgePhone& a, const zav::JudgePhone& b) {
        return a.name == b.name && a.lastSeen == b.lastSeen && a.connected == b.connected;
    };
    if (!panel_ ||
        std::equal(judges.begin(), judges.end(), judgesShown_.begin(), judgesShown_.end(), same))
        return;
    judgesShown_ = std::move(judges);
    std::vector<wxString> lines;
    for (const zav::JudgePhone& judge : judgesShown_)
        lines.push_back(FromCore(judge.name) + wxS(": ") +
                        TxFormat(frame_.Language(),
                                 judge.connected ? zav::TextId::ArenaJudgeConnected
                                                 : zav::TextId::ArenaJudgeAway,
                                 FromCore(judge.lastSeen)));
    panel_->SetJudges(lines);
}

void ArenaCommands::ShowStatus() {
    if (!server_.Running()) return;
    const zav::Language language = frame_.Language();
    wxString status = FromCore(Address()) + wxS("  ·  ") +
                      TxFormat(language, zav::TextId::ArenaStatusWatching,
                               static_cast<long>(server_.Watchers())) +
                      wxS("  ·  ") +
                      TxFormat(language, zav::TextId::ArenaStatusWaiting,
                               static_cast<long>(waiting_.Results().size()));
    if (server_.RefusedAttempts() > 0)
        status += wxS("  ·  ") + TxFormat(language, zav::TextId::ArenaStatusRefused,
                                          static_cast<long>(server_.RefusedAttempts()));
    if (server_.CodesDrawn() > 0)
        status += wxS("  ·  ") + TxFormat(language, zav::TextId::ArenaStatusNewCode,
                                          FromCore(server_.EntryCode()));
    if (server_.Faults() > 0)
        status += wxS("  ·  ") + TxFormat(language, zav::TextId::ArenaStatusFaults,
                                          static_cast<long>(server_.Faults()));
    if (server_.DescriptorsRanOut())
        status += wxS("  ·  ") + Tx(language, zav::TextId::ArenaStatusNoDescriptors);
    wxStatusBar* bar = frame_.GetStatusBar();
    if (bar->GetFieldsCount() > kArenaStatusField &&
        bar->GetStatusText(kArenaStatusField) != status)
        bar->SetStatusText(status, kArenaStatusField);
}

}  // namespace zavgui
