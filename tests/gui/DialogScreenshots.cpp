// The user guide's pictures, taken again on demand (see the README's "For
// developers"); not a check. ZAV_SCREENSHOTS names the folder they go to.
#include <cstdlib>
#include <string>

#include "gui/DialogTesting.h"
#include "gui/RealKeys.h"
#include "gui/SetTesting.h"

namespace {

// The whole virtual screen, or the part `area` of it (a window without its
// title bar).
void Screen(const std::string& name, const wxRect& area = wxRect()) {
    for (int i = 0; i < 5; ++i) {  // painted, whatever the machine's load
        wxTheApp->Yield(true);
        wxMilliSleep(100);
    }
    const std::string file = std::string(std::getenv("ZAV_SCREENSHOTS")) + "/" + name + ".png";
    std::string command = "import -window root";
    if (!area.IsEmpty())
        command += " -crop " + std::to_string(area.width) + "x" + std::to_string(area.height) +
                   "+" + std::to_string(area.x) + "+" + std::to_string(area.y);
    command += " '" + file + "'";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
}

using DialogScreenshots = DialogFixture;

// The first steps of a new user, in French and English (the user guide's
// pictures): the welcome page, a game half typed, the sheet after it.
TEST_F(DialogScreenshots, DISABLED_FirstSteps) {
    ASSERT_NE(nullptr, std::getenv("ZAV_SCREENSHOTS"));
    EXPECT_TRUE(EnsureWindowManager());
    zav::ScoreSheet s = Heat(6, 10);
    const char* clubs[] = {"Orsay", "Lyon", "Bordeaux", "Nantes", "Lille", "Rennes"};
    for (int t = 0; t < 6; ++t) s.sTeamName[t] = clubs[t];
    s.sTitle = "Spring cup";
    s.sGame[0] = "Slalom";
    for (const char* language : {"FR", "EN"}) {
        const std::string l = language;
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, language));
        OpenFrame().SetSize(0, 0, 1024, 740);
        Screen(l + "-welcome");
        wxZAVFrame& w = OpenWith(s, language);
        w.SetSize(0, 0, 1024, 740);
        std::vector<KeyStep> steps = Typed("31 2");
        steps.push_back(
            Look([&](wxDialog& d) { Screen(l + "-game-result-typing", d.GetScreenRect()); }));
        for (const KeyStep& key : Typed("654\n")) steps.push_back(key);
        {
            Typist typist(steps);
            Run(ID_GAME_RESULT);
        }
        Screen(l + "-sheet-after-game", w.GetScreenRect());
    }
}

class SetScreenshots : public SetFixture {};

TEST_F(SetScreenshots, DISABLED_SheetChooserOpen) {
    ASSERT_NE(nullptr, std::getenv("ZAV_SCREENSHOTS"));
    EXPECT_TRUE(EnsureWindowManager());
    Teams teams;
    for (const char* category : {"CPM1", "CAB1", "COP1", "CPC1", "CPE1"})
        AddTeams(teams, category, 3);
    const std::string setPath = MakeSet(teams, "777.mscore");
    OpenFrame(wxString::FromUTF8(setPath)).SetSize(0, 0, 1024, 740);
    Screen("EN-set-title");
    frame->Chooser().Control()->Popup();
    Screen("EN-set-chooser-open");
    frame->Chooser().Control()->Dismiss();
}

}  // namespace
