// The no-sheet message of every command that needs a sheet, the View
// commands and their check marks, and a missing document of the Rules menu.
#include <wx/menu.h>

#include <cstdlib>

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
    ClickViewItem(ID_SCORE_SHEET);
    EXPECT_EQ(Checked(), (std::vector<int>{ID_SCORE_SHEET, ID_VIEW_CHAMP}));
    // General data keeping the 'Challenge' shows both rankings again.
    wxTEST_DIALOG(Run(ID_GENERAL_DATA), ExpectDialog<GeneralDataDialog>(wxID_OK, nullptr));
    EXPECT_EQ(Checked(), (std::vector<int>{ID_SCORE_SHEET, ID_VIEW_BOTH}));
    EXPECT_TRUE(challengeShown());
}

// A document that is not there is named with the user's folder for it,
// where the guides are put.
TEST_F(ViewCommandsTest, AMissingDocumentIsNamedWithTheFolderToPutItIn) {
    setenv("XDG_DATA_HOME", temp.Path().c_str(), 1);
    OpenFrame();
    wxString message;
    wxTEST_DIALOG(Run(ID_PLAYING_AREA), ExpectMessage(wxID_OK, &message));
    EXPECT_NE(message.Find(wxS("playing_area_en_2013.pdf")), wxNOT_FOUND);
    EXPECT_NE(message.Find(wxString::FromUTF8(temp.File("zavscore/documents"))), wxNOT_FOUND);
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
