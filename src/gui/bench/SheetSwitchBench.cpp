// Moving between the sheets of a 50-sheet set in the real window, with and
// without a changed sheet to save first. Needs a display:
//   xvfb-run -a ./zavscore_sheet_switch_bench
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/init.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frame/CommandIds.h"
#include "frame/SheetChooser.h"
#include "frame/ZAVFrame.h"
#include "sets/SetCreation.h"
#include "sets/SetFile.h"
#include "sets/SifFile.h"
#include "support/TempDir.h"

namespace {

constexpr int kSheets = 50;
constexpr int kTeamsPerSheet = 8;

// An event of 50 categories of 8 teams, one sheet per category.
std::string MakeSet(const zavtest::TempDir& dir) {
    std::string sif = "9001;Bench;2026\n";
    for (int c = 0; c < kSheets; ++c)
        for (int t = 0; t < kTeamsPerSheet; ++t)
            sif += "9001;E;NOM_EQU;K" + std::to_string(c) + " Pool;club;rider;Team " +
                   std::to_string(c) + "-" + std::to_string(t) + "\n";
    zav::SifEntries entries;
    zav::RecordingMessageSink messages;
    zav::SetOptions options;
    options.iGamesNr = 12;
    zav::ScoreSheet scratch;
    const std::string path = dir.File("bench.mscore");
    if (!zav::ParseSif(sif, "sif", entries, zav::Reporter(zav::Language::English, messages)) ||
        !zav::CreateSet(entries, options, zav::OneSheetPerCategory(entries), path, scratch,
                        zav::Reporter(zav::Language::English, messages)))
        std::abort();
    return path;
}

struct Window {
    zavtest::TempDir dir;
    zavgui::wxZAVFrame* frame = nullptr;
    std::vector<wxString> names;

    Window() {
        zavgui::FrameContext context;
        context.programDir = wxS(ZAV_PROGRAM_DIR);
        context.settingsFile = wxString::FromUTF8(dir.File("ZAVscore.ini"));
        context.restartProgram = [](const wxString&) { return false; };
        context.startupFile = wxString::FromUTF8(MakeSet(dir));
        frame = new zavgui::wxZAVFrame(context);
        frame->Show();
        const wxComboBox* chooser = frame->Chooser().Control();
        for (unsigned i = 0; i < chooser->GetCount(); ++i) names.push_back(chooser->GetString(i));
        if (names.size() != kSheets) std::abort();
    }
    ~Window() {
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    // What picking a sheet in the toolbar's chooser does.
    void Choose(const wxString& name) {
        frame->Chooser().Control()->SetStringSelection(name);
        wxCommandEvent event(wxEVT_COMBOBOX, zavgui::ID_SHEET_COMBO);
        event.SetString(name);
        frame->GetEventHandler()->ProcessEvent(event);
    }
};

Window* window = nullptr;

void BM_SwitchSheet(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        window->Choose(window->names[next]);
        next = (next + 1) % window->names.size();
    }
}
BENCHMARK(BM_SwitchSheet)->Unit(benchmark::kMillisecond);

// A result typed on the sheet shown, then the move: the sheet is written to
// its file before the next one is read and shown.
void BM_SwitchChangedSheet(benchmark::State& state) {
    std::size_t next = 0;
    int place = 1;
    for (auto _ : state) {
        window->frame->Document().EditSheet().iGamePlace[0][0] = place;
        window->frame->Document().MarkChanged("result of game 1");
        window->Choose(window->names[next]);
        next = (next + 1) % window->names.size();
        place = place % kTeamsPerSheet + 1;
    }
}
BENCHMARK(BM_SwitchChangedSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 2;  // no display
    wxTheApp->CallOnInit();
    {
        Window shown;
        window = &shown;
        benchmark::RunSpecifiedBenchmarks();
        window = nullptr;
    }
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
