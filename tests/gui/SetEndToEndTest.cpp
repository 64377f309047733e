// A whole event through the window: the organiser's entries file of 300
// teams in 12 categories (each category split into pools of at most nine
// teams, as heats are run), its set created through the dialogs, results
// entered on two sheets, moves back and forth, the program closed and
// started again with the set: nothing typed may be lost.
#include "SifOptionsDialog.h"
#include "gui/SetTesting.h"

namespace {

using zavgui::SifOptionsDialog;

constexpr const char* kCategories[][2] = {
    {"CAP2", "Poussin 2"},  {"CPM1", "Minime 1"},   {"CPM2", "Minime 2"},
    {"CAB1", "Benjamin 1"}, {"CAB2", "Benjamin 2"}, {"CABE", "Benjamin Elite"},
    {"CPC1", "Cadet 1"},    {"CPC2", "Cadet 2"},    {"CPCE", "Cadet Elite"},
    {"COP1", "Open 1"},     {"COPE", "Open Elite"}, {"CPJE", "Junior Elite"}};
constexpr int kTeamsPerCategory = 25;
constexpr int kPoolSize = 9;

// The export as the registration system writes it: Windows line ends,
// Windows-1252 names, a rider line after each team line.
std::string EventSif(std::vector<std::string>& poolFields) {
    std::string text = "4711;Championnat r\xE9gional;2026\r\n";
    for (const auto& category : kCategories) {
        for (int t = 0; t < kTeamsPerCategory; ++t) {
            const char pool = static_cast<char>('A' + t / kPoolSize);
            const std::string field =
                std::string(category[0]) + " " + category[1] + " Poule " + pool;
            if (t % kPoolSize == 0) poolFields.push_back(field);
            const std::string name =
                std::string("\xC9") + "curie " + category[0] + " " + std::to_string(t + 1);
            text += "4711;E" + std::to_string(t) + ";NOM_EQU;" + field + ";club;;" + name + "\r\n";
            text += "4711;R" + std::to_string(t) + ";CAVALIER;" + field + ";rider\r\n";
        }
    }
    return text;
}

class SetEndToEndTest : public SetFixture {
protected:
    // Places of game `game` for every team of the sheet on screen: team t
    // finishes (t + shift) % teams + 1, the last team is eliminated.
    void EnterGame(int game, int shift) {
        zav::ScoreSheet& s = frame->sheet;
        for (int t = 0; t < s.iTeamsNr; ++t) s.iGamePlace[t][game] = (t + shift) % s.iTeamsNr + 1;
        s.iGamePlace[s.iTeamsNr - 1][game] = zav::kElimination;
        s.bAvertissement[0][game] = 1;
        frame->SheetChanged();
    }

    static void ExpectGame(const zav::ScoreSheet& s, int game, int shift) {
        for (int t = 0; t < s.iTeamsNr - 1; ++t)
            EXPECT_EQ(s.iGamePlace[t][game], (t + shift) % s.iTeamsNr + 1) << t;
        EXPECT_EQ(s.iGamePlace[s.iTeamsNr - 1][game], zav::kElimination);
        EXPECT_EQ(s.bAvertissement[0][game], 1);
    }
};

TEST_F(SetEndToEndTest, ThreeHundredTeamsCreatedScoredClosedAndReopened) {
    std::vector<std::string> pools;
    const std::string sif = temp.File("4711.txt");
    zavtest::WriteFile(sif, EventSif(pools));
    ASSERT_EQ(pools.size(), 36u);
    const std::string setPath = temp.File("4711.mscore");

    OpenFrame();
    wxTEST_DIALOG(Run(zavgui::ID_CREATE_SIF_SCORE_SET), PickFile(sif), PickFile(setPath),
                  Play<SifOptionsDialog>([](SifOptionsDialog& d) {
                      d.title->ChangeValue(wxS("Championnat r\u00e9gional"));
                      d.date->ChangeValue(wxS("12 avril 2026"));
                      d.games->SetStringSelection(wxS("8"));
                      return PressOk(d);
                  }));

    // Every team is on exactly one sheet, accents intact.
    const std::vector<std::string> names = SheetNames(setPath);
    ASSERT_EQ(names.size(), 36u);
    int teams = 0;
    for (const std::string& name : names) {
        const zav::ScoreSheet s = ReadSheet(temp.File(name));
        EXPECT_LE(s.iTeamsNr, kPoolSize) << name;
        EXPECT_EQ(s.iGamesNr, 8);
        EXPECT_EQ(s.sTeamName[0].rfind("\xC3\x89"
                                       "curie ",
                                       0),
                  0u)
            << s.sTeamName[0];
        teams += s.iTeamsNr;
    }
    EXPECT_EQ(teams, 300);
    EXPECT_EQ(ChooserEntries().size(), 36u);
    EXPECT_EQ(names[0], "4711_Poussin 2.pscore");
    EXPECT_EQ(names[1], "4711_Poussin 2_2.pscore");

    // First sheet on screen: two games entered, not saved yet.
    const std::string first = names[0];
    const std::string second = names[20];
    ASSERT_EQ(ChooserShown(), first);
    EnterGame(0, 0);
    EnterGame(1, 3);
    Choose(second);
    EnterGame(0, 5);
    Choose(first);
    ExpectGame(frame->sheet, 0, 0);
    ExpectGame(frame->sheet, 1, 3);
    Choose(second);
    ExpectGame(frame->sheet, 0, 5);
    EnterGame(2, 1);  // still unsaved when the program ends

    Run(zavgui::ID_QUIT);  // no question: a set sheet is saved silently
    wxTheApp->ProcessIdle();
    frame = nullptr;  // the window destroyed itself

    // Started again with the set named on the command line.
    OpenFrame(wxString::FromUTF8(setPath));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - 4711.mscore"));
    EXPECT_EQ(ChooserShown(), first);
    ExpectGame(frame->sheet, 0, 0);
    ExpectGame(frame->sheet, 1, 3);
    Choose(second);
    ExpectGame(frame->sheet, 0, 5);
    ExpectGame(frame->sheet, 2, 1);
    EXPECT_EQ(frame->sheet.sTitle, "Championnat r\xC3\xA9gional");
    EXPECT_NE(ShownText().find("\xC3\x89"
                               "curie"),
              std::string::npos);
    // The other sheets are as created.
    EXPECT_EQ(ReadSheet(temp.File(names[35])).iGamePlace[0][0], 0);
}

}  // namespace
