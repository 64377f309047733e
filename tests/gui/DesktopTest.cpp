// The program as a Linux desktop program: where its file choosers start, the
// recent sheets, the window and its dialogs on a laptop's screen, the
// desktop's language on the first start, and the toolkit's own words in the
// interface language.
#include <glib.h>
#include <wx/display.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/translation.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

#include "app/ToolkitLanguage.h"
#include "dialogs/DeleteTeamDialog.h"
#include "dialogs/GeneralDataDialog.h"
#include "dialogs/LogoDialog.h"
#include "dialogs/SifGroupingDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "frame/RecentSheets.h"
#include "gui/DialogTesting.h"
#include "sets/SetCreation.h"
#include "sheet/Scoring.h"

namespace {

class DesktopTest : public DialogFixture {
protected:
    std::vector<std::string> Recent() const { return zav::Settings(SettingsFile()).RecentFiles(); }
};

TEST_F(DesktopTest, ChoosersStartWhereTheirKindWasChosenElseInTheSheetsElseInTheDocuments) {
    const std::string sheets = temp.File("sheets"), exports = temp.File("exports");
    std::filesystem::create_directories(exports);
    std::filesystem::create_directories(sheets);
    const std::string sheet = sheets + "/heat.score";
    std::filesystem::rename(CopyExample("heat-4-teams.score"), sheet);
    OpenFrame();
    ChooserSeen seen;
    // Nothing chosen yet, no sheet open: the documents folder (here the home).
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(sheet, &seen));
    EXPECT_EQ(seen.folder, FromCore(temp.Path()));
    // A sheet open: the kinds not chosen yet start in its folder.
    wxTEST_DIALOG(Run(ID_EXPORT_HTML), AnswerChooser(exports + "/heat.html", &seen));
    EXPECT_EQ(seen.folder, FromCore(sheets));
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_CANCEL, [&](LogoDialog& d) {
                      wxTEST_DIALOG(d.OnSearch(), AnswerChooser("", &seen));
                  }));
    EXPECT_EQ(seen.folder, FromCore(sheets));

    // The next run: each kind where it was chosen last, kept in the settings.
    OpenFrame(FromCore(sheet));
    wxTEST_DIALOG(Run(ID_EXPORT_HTML), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(exports));
    wxTEST_DIALOG(Run(ID_NEW_SHEET), ExpectDialog<GeneralDataDialog>(wxID_CANCEL, nullptr));
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(sheets));
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(temp.Path()));
    // A folder that is gone is passed over.
    std::filesystem::remove_all(sheets);
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(temp.Path()));
}

TEST_F(DesktopTest, RecentSheetsAreTheFilesOpenedAndSavedLastAndAMissingOneIsDropped) {
    const std::string a = CopyExample("heat-4-teams.score");
    const std::string b = CopyExample("nations-cup-semi-final.score");
    const std::string c = temp.File("c.score");
    OpenFrame(FromCore(a));
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser(b));
    wxTEST_DIALOG(Run(ID_SAVE_AS_SHEET), AnswerChooser(c));
    EXPECT_EQ(Recent(), (std::vector<std::string>{c, b, a}));

    OpenFrame();
    wxMenuItem* recent = frame->GetMenuBar()->FindItem(ID_RECENT_SHEETS);
    EXPECT_EQ(recent->GetSubMenu()->GetMenuItemCount(), 3u);
    Run(wxID_FILE3);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - heat-4-teams.score"));
    EXPECT_EQ(Recent(), (std::vector<std::string>{a, c, b}));

    // A file that is gone: named, taken off the list; the sheet stays open.
    std::remove(c.c_str());
    wxString message;
    wxTEST_DIALOG(Run(wxID_FILE2), ExpectMessage(wxID_OK, &message));
    EXPECT_NE(message.Find(FromCore(c)), wxNOT_FOUND);
    EXPECT_EQ(Recent(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - heat-4-teams.score"));
    EXPECT_TRUE(recent->IsEnabled());
}

TEST_F(DesktopTest, TheWindowFitsALaptopScreenAndItsViewFillsIt) {
    OpenFrame(FromCore(CopyExample("nations-cup-semi-final.score")));
    const wxRect area = wxDisplay(0u).GetClientArea();
    EXPECT_EQ(frame->GetRect(),
              wxRect(area.GetTopLeft(), wxSize(std::min(area.width, kFrameFirstSizeMax.x),
                                               std::min(area.height, kFrameFirstSizeMax.y))));
    // Half a laptop's screen, then all of it with a panel: there the 12
    // games fit across and the ten teams scroll.
    wxHtmlWindow* view = frame->View().Window();
    for (const wxSize size : {wxSize(683, 700), wxSize(1366, 700)}) {
        frame->SetSize(size);
        ASSERT_TRUE(WaitUntil([&] { return view->GetSize() == frame->GetClientSize(); }));
        EXPECT_EQ(frame->GetSize(), size);
    }
    EXPECT_LE(view->GetVirtualSize().x, view->GetClientSize().x);
    EXPECT_GT(view->GetVirtualSize().y, view->GetClientSize().y);
}

// Each dialog as its command shows it; the withdrawal's is refused once a
// result is in, the set creation's follow a chooser: those are made here.
TEST_F(DesktopTest, EveryDialogFitsALaptopScreenInEveryLanguage) {
    zav::ScoreSheet s = Heat(10, 12);
    s.iChallengeScoring = 10;
    for (int t = 0; t < 10; ++t) {
        s.sTeamName[t] = "Poney-club des Grandes Ecuries " + std::to_string(t);
        s.sTeamColors[t] = "bleu, blanc et rouge";
        s.bChallengeTeam[t] = 1;
        s.iGamePlace[t][0] = 1;
    }
    s.sGame[0] = "Relais avec drapeaux et quilles";
    zav::ComputeScores(s);
    zav::SifEntries entries;
    for (int c = 0; c < 30; ++c)
        entries.sCategory.push_back("CPM" + std::to_string(c) + " Poney Minime par equipes");
    const int commands[] = {ID_GAME_RESULT, ID_TIE_BREAK,       ID_PREVIOUS_HEAT, ID_PREVIOUS_CHALL,
                            ID_COLUMN_SUP,  ID_A_REFEREE_NAMES, ID_PLACEUR_NAMES, ID_GENERAL_DATA,
                            ID_TEAMS_DATA,  ID_GAMES_LIST,      ID_PRESENTATION,  ID_OPTIONS,
                            ID_LANGUAGE,    ID_PUBLISH_RESULTS};
    for (const char* language : {"FR", "EN", "IT", "GE"}) {
        wxZAVFrame& w = OpenWith(s, language);
        for (int id : commands)
            wxTEST_DIALOG(Run(id), ExpectDialog<wxDialog>(
                                       wxID_CANCEL, [](wxDialog& d) { ExpectFitsSmallScreen(d); }));
        const zav::Language l = w.Language();
        ExpectFitsSmallScreen(DeleteTeamDialog(&w, w.Document().EditSheet(), l));
        ExpectFitsSmallScreen(SifOptionsDialog(&w, l));
        ExpectFitsSmallScreen(SifGroupingDialog(&w, l, entries, zav::EmptyGrouping(entries), 1));
    }
}

TEST_F(DesktopTest, TheFirstStartSpeaksTheDesktopsLanguageAndNoLetterOrKeyServesTwice) {
    // Which language each desktop's is: the settings' tests.
    for (const char* locale : {"fr_BE.UTF-8", "en_GB.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8"}) {
        desktop["LANG"] = locale;
        OpenFrame();
        // Each menu has a letter that Alt opens it with; no key, Alt and a
        // menu's letter included, serves twice.
        wxMenuBar* bar = frame->GetMenuBar();
        std::vector<wxString> keys;
        for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
            const wxString title = bar->GetMenuLabel(i);
            ASSERT_NE(title.Find('&'), wxNOT_FOUND) << title;
            keys.push_back("Alt+" + title.AfterFirst('&').Left(1).Upper());
            for (const wxMenuItem* item : bar->GetMenu(i)->GetMenuItems()) {
                std::unique_ptr<wxAcceleratorEntry> shown(item->GetAccel());
                if (shown) keys.push_back(shown->ToRawString());
                for (const wxAcceleratorEntry& extra : item->GetExtraAccels())
                    keys.push_back(extra.ToRawString());
            }
        }
        EXPECT_EQ(std::set<wxString>(keys.begin(), keys.end()).size(), keys.size()) << locale;
    }
    EXPECT_EQ(frame->Language(), zav::Language::German);
}

// The buttons of message boxes and GTK's dialogs come from GTK's catalogues,
// wx's own dialogs from wx's: both follow the language the program chose.
TEST(ToolkitLanguageTest, TheToolkitsWordsFollowTheInterfaceLanguageAndNumbersDoNot) {
    const struct {
        zav::Language language;
        const char* gtkYes;
        const char* wxClose;
    } cases[] = {{zav::Language::French, "_Oui", "Fermer"},
                 {zav::Language::English, "_Yes", "Close"},
                 {zav::Language::Italian, "_Sì", "Chiudi"},
                 {zav::Language::German, "_Ja", "Schließen"}};
    for (const auto& c : cases) {
        UseLanguageForToolkit(c.language);
        LoadToolkitTranslations(c.language);
        EXPECT_STREQ(g_dgettext("gtk30", "_Yes"), c.gtkYes);
        EXPECT_EQ(wxGetTranslation("Close"), wxString::FromUTF8(c.wxClose));
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    }
    unsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, "C");
    wxTranslations::Set(nullptr);
}

}  // namespace
