// Start-up: the window with and without a file named on the command line,
// and the restart.
#include <sys/stat.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "app/ZAVApp.h"
#include "gui/FrameFixture.h"
#include "support/TestFiles.h"

namespace {

using StartupTest = FrameFixture;

// The colours of a picture's pixels, transparency included.
std::set<std::tuple<int, int, int, int>> Colours(const wxBitmap& picture) {
    const wxImage image = picture.ConvertToImage();
    std::set<std::tuple<int, int, int, int>> colours;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            colours.emplace(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y),
                            image.HasAlpha() ? image.GetAlpha(x, y) : 255);
    return colours;
}

TEST_F(StartupTest, WithoutFileTheWelcomePageAndTheMenusAsTheyStart) {
    const zav::Settings settings(SettingsFile());
    EXPECT_TRUE(settings.Set(zav::SettingKey::Language, "GE"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::SaveAuto, "1"));
    wxZAVFrame& window = OpenFrame();
    // Built once the language is known: the German texts.
    EXPECT_NE(window.View().Page().find(zav::Text(zav::Language::German, zav::TextId::TagLine)),
              std::string::npos);
    // Offered before any sheet: what starts one; not what needs a 'Challenge'.
    wxMenuBar* bar = window.GetMenuBar();
    for (int id : {ID_PREVIOUS_CHALL, ID_VIEW_BOTH, ID_VIEW_CHALL, ID_RENAME_SIF_SCORE_SET})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {ID_NEW_SHEET, ID_SAVE_AS_SHEET, ID_GENERAL_DATA, ID_SCORE_SHEET})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;
    EXPECT_TRUE(bar->IsChecked(ID_SAVE_AUTO));
    // The toolbar's ranking buttons are never disabled.
    wxToolBar* toolBar = window.GetToolBar();
    EXPECT_TRUE(toolBar->GetToolEnabled(ID_VIEW_CHALL));
    // At 150 %, every picture is drawn at 24 pixels: edges that fall half
    // across a pixel give it colours of its own, where an enlargement of the
    // 16-pixel picture would only repeat that picture's pixels.
    for (size_t i = 0; i < toolBar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        if (!tool->IsButton()) continue;
        const wxBitmapBundle bundle = tool->GetNormalBitmapBundle();
        const wxBitmap picture = bundle.GetBitmap(wxSize(24, 24));
        EXPECT_EQ(picture.GetSize(), wxSize(24, 24)) << tool->GetId();
        const auto small = Colours(bundle.GetBitmap(wxSize(16, 16)));
        const auto large = Colours(picture);
        EXPECT_FALSE(std::includes(small.begin(), small.end(), large.begin(), large.end()))
            << tool->GetId();
    }
}

TEST_F(StartupTest, ASheetFileIsOpenedAndShownOnceTheProgramIsIdle) {
    wxZAVFrame& window = OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    EXPECT_EQ(window.Document().State(), SheetState::Unchanged);
    // The sheet has a 'Challenge': its commands are offered.
    EXPECT_TRUE(window.GetMenuBar()->IsEnabled(ID_PREVIOUS_CHALL));
    // Frozen past the first idle moment, the window would stay blank.
    Yield();
    EXPECT_FALSE(window.View().Window()->IsFrozen());
    EXPECT_NE(ShownText().find("Nations Cup 2026"), std::string::npos);
}

// An absolute name is taken as it is (a relative one: the installation
// check starts the installed program with one). The restart after a language
// change finds a program in a folder with spaces, and hands it the file to
// open again whole, never as an option.
TEST_F(StartupTest, TheProgramRestartsFromAFolderWithSpacesOnTheFileGiven) {
    EXPECT_EQ(StartupFilePath(wxS("/data/50%.score"), wxS("/home/scorer")), wxS("/data/50%.score"));
    const std::string program = temp.File("my programs/zav score");
    const std::string marker = temp.File("started");
    wxFileName::Mkdir(wxString::FromUTF8(temp.File("my programs")));
    zavtest::WriteFile(program, "#!/bin/sh\nprintf '%s|' \"$@\" > '" + marker + ".part' && mv '" +
                                    marker + ".part' '" + marker + "'\n");
    chmod(program.c_str(), 0755);
    ASSERT_TRUE(StartProgram(wxString::FromUTF8(program), wxS("-heat 2.score")));
    ASSERT_TRUE(WaitUntil([&] { return wxFileExists(wxString::FromUTF8(marker)); }));
    EXPECT_EQ(zavtest::ReadFile(marker), "--|-heat 2.score|");
}

// From a terminal without a display: answered before the toolkit starts,
// which would end the program with an error instead.
TEST_F(StartupTest, HelpAndVersionAnswerWithoutADisplay) {
    const std::string out = temp.File("out");
    for (const auto& [option, answer] : {std::pair{"--help", "Usage: zavscore [FILE]\n"},
                                         std::pair{"--version", "ZAVscore 3.1.0"}}) {
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") +
                                    ZAV_PROGRAM_DIR "/zavscore' " + option + " >'" + out + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << option;
        EXPECT_EQ(zavtest::ReadFile(out).rfind(answer, 0), 0u) << zavtest::ReadFile(out);
    }
}

}  // namespace
