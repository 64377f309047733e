// The program as a Linux desktop program: where its file choosers start, the
// recent sheets, a dialog on a laptop's screen, the desktop's language on the
// first start, and the toolkit's own words in the interface language.
#include <glib.h>
#include <wx/menu.h>
#include <wx/translation.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

#include "app/ToolkitLanguage.h"
#include "gui/DialogTesting.h"
#include "platform/ToolkitPlatform.h"

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

    // The next run: each kind where it was chosen last, kept in the settings.
    OpenFrame(FromCore(sheet));
    wxTEST_DIALOG(Run(ID_EXPORT_HTML), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(exports));
    wxTEST_DIALOG(Run(ID_OPEN_SHEET), AnswerChooser("", &seen));
    EXPECT_EQ(seen.folder, FromCore(sheets));
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
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - heat-4-teams.score - Provisoire"));
    EXPECT_EQ(Recent(), (std::vector<std::string>{a, c, b}));

    // A file that is gone: named, taken off the list; the sheet stays open.
    std::remove(c.c_str());
    wxString message;
    wxTEST_DIALOG(Run(wxID_FILE2), ExpectMessage(wxID_OK, &message));
    EXPECT_NE(message.Find(FromCore(c)), wxNOT_FOUND);
    EXPECT_EQ(Recent(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - heat-4-teams.score - Provisoire"));
}

// The dialog with the longest texts, the teams' in German with long names,
// stands for all: buttons off a laptop's screen could not be reached.
TEST_F(DesktopTest, ADialogFitsALaptopScreen) {
    zav::ScoreSheet s = Heat(10, 12);
    for (int t = 0; t < 10; ++t) {
        s.sTeamName[t] = "Poney-club des Grandes Ecuries " + std::to_string(t);
        s.sTeamColors[t] = "bleu, blanc et rouge";
    }
    OpenWith(s, "GE");
    wxTEST_DIALOG(Run(ID_TEAMS_DATA), ExpectDialog<wxDialog>(wxID_CANCEL, [](wxDialog& d) {
                      ExpectFitsSmallScreen(d);
                  }));
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

// Message boxes and GTK's dialogs speak the program's language; numbers are
// still read and written with a point.
TEST(ToolkitLanguageTest, TheToolkitsWordsFollowTheInterfaceLanguageAndNumbersDoNot) {
    PrepareToolkit(zav::Language::German);
    LoadToolkitTranslations(zav::Language::German);
    EXPECT_STREQ(g_dgettext("gtk30", "_Yes"), "_Ja");
    EXPECT_EQ(wxGetTranslation("Close"), wxString::FromUTF8("Schließen"));
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    unsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, "C");
    wxTranslations::Set(nullptr);
}

}  // namespace
