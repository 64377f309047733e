// The no-sheet message of every command that needs a sheet, the View
// commands and their check marks, and the documents of the Rules and Help
// menus.
#include <sys/stat.h>
#include <wx/filename.h>
#include <wx/generic/aboutdlgg.h>
#include <wx/menu.h>
#include <wx/utils.h>

#include <cstdlib>
#include <optional>

#include "dialogs/GeneralDataDialog.h"
#include "gui/FrameFixture.h"

namespace {

class ViewCommandsTest : public EnglishFrameFixture {
protected:
    // The View items checked now, in menu order.
    std::vector<int> Checked() const {
        std::vector<int> ids;
        for (int id = ID_SCORE_SHEET; id <= ID_VIEW_CHALL; ++id)
            if (frame->GetMenuBar()->IsChecked(id)) ids.push_back(id);
        return ids;
    }

    // A click on a check item toggles its mark before the command runs.
    void ClickViewItem(int id) {
        frame->GetMenuBar()->Check(id, !frame->GetMenuBar()->IsChecked(id));
        Run(id);
    }
};

TEST_F(ViewCommandsTest, EveryCommandThatNeedsASheetSaysNoneIsOpen) {
    OpenFrame();
    const int commands[] = {ID_SAVE_SHEET,        ID_SAVE_AS_SHEET,    ID_PRINT,
                            ID_EXPORT_HTML,       ID_EXPORT_PDF,       ID_PRINT_STAFF,
                            ID_EXPORT_STAFF_HTML, ID_EXPORT_STAFF_PDF, ID_PRINT_EQUIP,
                            ID_EXPORT_EQUIP_HTML, ID_EXPORT_EQUIP_PDF, ID_PRINT_PLACEMENT,
                            ID_GENERAL_DATA,      ID_TEAMS_DATA,       ID_GAMES_LIST,
                            ID_PREVIOUS_HEAT,     ID_PREVIOUS_CHALL,   ID_A_REFEREE_NAMES,
                            ID_PLACEUR_NAMES,     ID_GAME_RESULT,      ID_TIE_BREAK,
                            ID_COLUMN_SUP,        ID_DELETE_ONE_TEAM,  ID_SCORE_SHEET,
                            ID_STAFF_SHEET,       ID_EQUIP_LIST,       ID_PLACEMENT,
                            ID_VIEW_BOTH,         ID_VIEW_CHAMP,       ID_VIEW_CHALL,
                            ID_PRINT_PREVIEW};
    const wxString expected = Tx(zav::Language::English, zav::TextId::NoSheetOpened);
    for (int id : commands) {
        wxString message;
        const bool viewItem = id >= ID_SCORE_SHEET && id <= ID_VIEW_CHALL;
        wxTEST_DIALOG(viewItem ? ClickViewItem(id) : Run(id), ExpectMessage(wxID_OK, &message));
        EXPECT_EQ(message, expected) << "command " << id;
    }
    EXPECT_TRUE(Checked().empty());
    EXPECT_EQ(frame->Document().State(), SheetState::NoSheet);
}

TEST_F(ViewCommandsTest, PageAndRankingChoicesEachKeepOneMark) {
    OpenFrame(wxString::FromUTF8(CopyExample("nations-cup-semi-final.score")));
    const auto challengeShown = [&] {
        return ShownText().find("Young riders Challenge") != std::string::npos;
    };
    EXPECT_EQ(Checked(), (std::vector<int>{ID_SCORE_SHEET, ID_VIEW_BOTH}));  // as opened
    ClickViewItem(ID_STAFF_SHEET);
    EXPECT_EQ(Checked(), (std::vector<int>{ID_STAFF_SHEET, ID_VIEW_BOTH}));
    EXPECT_FALSE(challengeShown());

    // A ranking choice shows the score sheet; the page mark stays; clicking
    // the checked item again does not take its mark away.
    for (int click = 0; click < 2; ++click) {
        ClickViewItem(ID_VIEW_CHALL);
        EXPECT_EQ(Checked(), (std::vector<int>{ID_STAFF_SHEET, ID_VIEW_CHALL}));
        EXPECT_TRUE(challengeShown());
        EXPECT_EQ(ShownText().find("Great Britain"), std::string::npos);
    }
    ClickViewItem(ID_VIEW_CHAMP);
    EXPECT_FALSE(challengeShown());
    for (int id : {ID_EQUIP_LIST, ID_PLACEMENT, ID_SCORE_SHEET}) {
        ClickViewItem(id);
        EXPECT_EQ(Checked(), (std::vector<int>{id, ID_VIEW_CHAMP}));
    }
    // General data keeping the 'Challenge' shows both rankings again.
    wxTEST_DIALOG(Run(ID_GENERAL_DATA), ExpectDialog<GeneralDataDialog>(wxID_OK, nullptr));
    EXPECT_EQ(Checked(), (std::vector<int>{ID_SCORE_SHEET, ID_VIEW_BOTH}));
    EXPECT_TRUE(challengeShown());
}

// Documents are handed to the desktop's opener; a fake one first in PATH
// records them. The user's own documents are looked for in the test's folder.
class DocumentsTest : public EnglishFrameFixture {
protected:
    void SetUp() override {
        EnglishFrameFixture::SetUp();
        // Written aside, then renamed: a test never reads the record half written.
        zavtest::WriteFile(temp.File("xdg-open"), "#!/bin/sh\necho \"$1\" > '" + Record() +
                                                      ".part' && mv '" + Record() + ".part' '" +
                                                      Record() + "'\n");
        chmod(temp.File("xdg-open").c_str(), 0755);
        SetEnv("PATH", temp.Path() + ":" + std::getenv("PATH"));
        SetEnv("XDG_DATA_HOME", temp.Path());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        EnglishFrameFixture::TearDown();
    }
    std::string Record() const { return temp.File("opened.txt"); }

    // What the opener received, once it has run.
    std::string Opened() {
        const wxString record = wxString::FromUTF8(Record());
        return WaitUntil([&] { return wxFileExists(record); }) ? zavtest::ReadFile(Record()) : "";
    }

private:
    void SetEnv(const char* name, const std::string& value) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

// A missing document is named with the user's folder for it (where the
// guides below are put); the change log in Italian is the French one; the help on sets opens
// the guide at its section in the browser (a URL, not a path); F1 in German
// opens the English guide until a German one is there.
TEST_F(DocumentsTest, EachDocumentInTheLanguageOrTheOneThatStandsForIt) {
    const std::string folder = temp.File("zavscore/documents");
    OpenFrame();
    wxString message;
    wxTEST_DIALOG(Run(ID_PLAYING_AREA), ExpectMessage(wxID_OK, &message));
    EXPECT_NE(message.Find(wxS("playing_area_en_2013.pdf")), wxNOT_FOUND);
    EXPECT_NE(message.Find(wxString::FromUTF8(folder)), wxNOT_FOUND);
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(Record())));
    wxTEST_DIALOG(Run(ID_ABOUT), wxExpectDismissableModal<wxGenericAboutDialog>(wxID_OK));

    ASSERT_TRUE(wxFileName::Mkdir(wxString::FromUTF8(folder), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    const struct {
        const char* language;
        int command;
        std::string added;
        std::string opened;
    } cases[] = {
        {"IT", ID_LOG_CHANGE, "", ZAV_PROGRAM_DIR "/lisezmoi.html"},
        {"IT", ID_HELP_SIF_SCORE_SET, "", "file://" ZAV_PROGRAM_DIR "/guide_en.html#entries-file"},
        {"GE", ID_USER_GUIDE, "guide_en.html", folder + "/guide_en.html"},
        {"GE", ID_USER_GUIDE, "guide_de.html", folder + "/guide_de.html"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, c.language));
        if (!c.added.empty()) zavtest::WriteFile(folder + "/" + c.added, "<html>");
        wxRemoveFile(wxString::FromUTF8(Record()));
        OpenFrame();
        Run(c.command);
        EXPECT_EQ(Opened(), c.opened + "\n");
    }
}

}  // namespace
