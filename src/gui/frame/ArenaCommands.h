// The arena network in the window: Tools > Arena network, the server started
// and stopped as the settings say, a new snapshot of the pages after every
// page build of the sheet, and the results from the finish line waiting in
// the side panel until the scorer accepts, edits or rejects them (turning the
// network off keeps them there: a judge's result is never dropped unasked).
#pragma once

#include <wx/timer.h>

#include <memory>
#include <string>
#include <vector>

#include "arena/AcceptedResults.h"
#include "arena/ArenaServer.h"
#include "arena/ArenaSettings.h"
#include "arena/WaitingResults.h"
#include "championship/Heats.h"
#include "history/ResultHistory.h"
#include "sets/SifFile.h"

class wxCommandEvent;
class wxKeyEvent;

namespace zavgui {

class WaitingResultsPanel;
class wxZAVFrame;

class ArenaCommands {
public:
    explicit ArenaCommands(wxZAVFrame& frame);
    ~ArenaCommands();  // the server stops with the window

    // Starts the network when the settings have it on: called once the
    // window has painted its first page, so that it never delays it.
    void ApplySettings();

    // The side panel of waiting results, made when first needed: a window
    // that never serves the arena never builds it.
    WaitingResultsPanel& Panel();

    // After every page build of the sheet (a change, an undo, another sheet):
    // the phones get the new pages.
    void SheetShown();

    // The scorer's three answers to waiting result `index` (from 0): Accept
    // goes the Game result dialog's OK path, Edit opens the dialog with the
    // result in it.
    void Accept(int index);
    void Edit(int index);
    void Reject(int index);

    // Results received, taken from the server (the timer does it too).
    void TakeArrivals();

    // Before the sheet is replaced or the window closes: with results still
    // waiting, asks whether to reject them (opening on No); false keeps them
    // and the sheet.
    [[nodiscard]] bool MayDropWaiting();

    // What the window shows of the network, for the tests.
    const zav::ArenaServer& Server() const { return server_; }
    std::string Address() const;
    const std::vector<zav::FinishLineResult>& Waiting() const { return waiting_.Results(); }

private:
    void OnArenaNetwork(wxCommandEvent& event);
    void OnKey(wxKeyEvent& event);
    // The Arena network dialog, showing the address and the entry code while
    // the network runs.
    int ShowDialog();
    void PrintJudgeCard(const std::string& address, const std::string& entryCode, bool pdf);
    void Stop();
    // The key of the sheet on screen, which a judge's form sends back: drawn
    // anew each time the sheet is replaced, and saying nothing of its file
    // (the judges' phones have no business knowing the scorer's folders).
    const std::string& SheetKey() const;
    void BuildSetPages();
    // The entries file named in the settings, read again when it changes.
    const zav::SifEntries& Entries(const std::string& path);
    void ShowJudges();
    void Wait(std::vector<zav::FinishLineResult> arrived, bool acceptAtOnce);
    // What the queue says may go in without the scorer now.
    void AcceptWhatMay();
    void OnDialogOpen(wxCommandEvent& event);
    void ShowWaiting();
    void ShowStatus();
    void Decided(int index, bool accepted);
    static zav::ChangeSource SourceOf(const zav::FinishLineResult& result);

    wxZAVFrame& frame_;
    WaitingResultsPanel* panel_ = nullptr;  // owned by the window
    zav::ArenaServer server_;
    zav::ArenaSettings settings_;
    wxTimer timer_;
    zav::WaitingResults waiting_;
    zav::AcceptedResults accepted_;
    int dialogsOpen_ = 0;
    // The set's sheets as their files hold them, read when the set or the
    // sheet on screen changes; the sheet on screen is built at each change.
    std::vector<zav::ArenaSheet> setPages_;
    std::vector<zav::Heat> setHeats_;  // the same sheets, scored, for the championship
    unsigned setPagesFor_ = ~0u;
    zav::SifEntries entries_;
    std::string entriesPath_;
    long long entriesWritten_ = 0;
    std::vector<zav::JudgePhone> judgesShown_;
    mutable std::string sheetKey_;
    mutable unsigned sheetKeyFor_ = ~0u;
};

}  // namespace zavgui
