// Score sheet sets through the window: creating one from a SIF file, then an
// open set (the sheet chooser, the title, the Tools menu's folder chooser and
// question). The save rules of set sheets are the sheet document's, the set
// operations the core's, each tested without a window.
#include <gtk/gtk.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dirdlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

#include "core/sets/SifTestData.h"
#include "dialogs/ListChoice.h"
#include "dialogs/SifGroupingDialog.h"
#include "dialogs/SifOptionsDialog.h"
#include "gui/FrameFixture.h"
#include "gui/RealKeys.h"
#include "support/TestFiles.h"
#include "view/PageView.h"

namespace {

// A name GTK handed over, freed.
wxString TakenFromGtk(gchar* name) {
    const wxString text = name ? wxString::FromUTF8(name) : wxString();
    g_free(name);
    return text;
}

// The folder chooser answered with `folder`.
ExpectDialog<wxDirDialog> PickFolder(const std::string& folder) {
    return {wxID_OK, [=](wxDirDialog& dialog) {
                GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog.GetHandle());
                const wxString answer = wxString::FromUTF8(folder);
                dialog.SetPath(answer);
                // GTK selects the folder only after its loop has run; wx reads the
                // selection when the chooser is accepted, and fails on an empty one.
                if (WaitUntil([&] {
                        return TakenFromGtk(gtk_file_chooser_get_filename(chooser)) == answer;
                    }))
                    dialog.GTKOnAccept();
                else
                    ADD_FAILURE() << "The folder chooser did not take " << folder;
            }};
}

class SetWindowTest : public EnglishFrameFixture {
protected:
    using Teams = std::vector<std::pair<std::string, std::string>>;

    // `count` teams of `category`, named after it: "CPM1 1", "CPM1 2"...
    static void AddTeams(Teams& teams, const std::string& category, int count) {
        for (int i = 1; i <= count; ++i)
            teams.emplace_back(category, category + " " + std::to_string(i));
    }

    std::string WriteSif(const Teams& teams) const {
        zavtest::WriteFile(temp.File("entries.txt"), zavtest::SifText(teams));
        return temp.File("entries.txt");
    }

    // The chooser's entries in the order it lists them, and what it shows.
    std::vector<std::string> ChooserEntries() const {
        std::vector<std::string> entries;
        const wxComboBox* chooser = frame->Chooser().Control();
        for (unsigned i = 0; i < chooser->GetCount(); ++i)
            entries.push_back(chooser->GetString(i).utf8_str().data());
        return entries;
    }
    std::string ChooserShown() const {
        return frame->Chooser().Control()->GetValue().utf8_str().data();
    }

    // The user picks `name` in the sheet chooser.
    void Choose(const std::string& name) {
        const wxString entry = wxString::FromUTF8(name);
        wxComboBox* chooser = frame->Chooser().Control();
        chooser->SetStringSelection(entry);
        wxCommandEvent event(wxEVT_COMBOBOX, ID_SHEET_COMBO);
        event.SetString(entry);
        event.SetEventObject(chooser);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    // A click on a check box, as GTK reports it: the box toggles, then the
    // dialog hears of it.
    static void Click(wxCheckBox* box) {
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(box->GetValue() ? 1 : 0);
        box->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(SetWindowTest, OneSheetPerCategoryWritesTheSetAndOpensIt) {
    Teams teams;  // met in the order CPM1, CAB1, COP1
    for (const char* category : {"CPM1", "CAB1", "COP1"}) AddTeams(teams, category, 3);
    const std::string sif = WriteSif(teams);
    const std::string setPath = temp.File("12345.mscore");
    OpenFrame();
    ChooserSeen setChooser;
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif),
                  AnswerChooser(setPath, &setChooser),
                  ExpectDialog<SifOptionsDialog>(wxID_OK, [](SifOptionsDialog& d) {
                      d.title->ChangeValue(wxS("Regional cup"));
                      d.date->ChangeValue(wxS("12/04/2026"));
                      d.referee->ChangeValue(wxS("J. Doe"));
                      d.games->SetStringSelection(wxS("9"));
                      Click(d.internationalRules);
                  }));
    EXPECT_EQ(setChooser.fileName, wxS("12345.mscore"));

    // The new set is open on its first sheet; the dialog's answers reach
    // the sheets.
    EXPECT_EQ(ChooserEntries().size(), 3u);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - 12345.mscore - Minime 1 - Provisional"));
    const zav::ScoreSheet minimes = zavtest::ReadSheet(temp.File(ChooserShown()));
    EXPECT_EQ(minimes.sTitle + "|" + minimes.sDate + "|" + minimes.sReferee,
              "Regional cup|12/04/2026|J. Doe");
    EXPECT_EQ(minimes.iGamesNr, 9);
    EXPECT_EQ(minimes.iScoring, 3);  // international rules: the number of teams
}

// The grouping dialog asks again until every category has a sheet, listing
// only those left.
TEST_F(SetWindowTest, CancellingAnyStepOrAFileThatIsNoSifFileWritesNothing) {
    Teams teams;
    for (const char* category : {"CPM1", "CPM2", "CAB1", "CAB2", "COP1"})
        AddTeams(teams, category, 2);
    const std::string sif = WriteSif(teams);
    const std::string setPath = temp.File("12345.mscore");
    OpenFrame();
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif), AnswerChooser(setPath),
                  ExpectDialog<SifOptionsDialog>(wxID_CANCEL, nullptr));
    std::vector<std::string> secondPass;
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif), AnswerChooser(setPath),
                  ExpectDialog<SifOptionsDialog>(wxID_OK, [](auto& d) { Click(d.grouped); }),
                  ExpectDialog<SifGroupingDialog>(wxID_OK,
                                                  [](SifGroupingDialog& d) {
                                                      d.categories->SetSelection(0);
                                                      d.categories->SetSelection(3);
                                                  }),
                  ExpectDialog<SifGroupingDialog>(wxID_CANCEL, [&](SifGroupingDialog& d) {
                      for (unsigned i = 0; i < d.categories->GetCount(); ++i)
                          secondPass.push_back(d.categories->GetString(i).utf8_str().data());
                  }));
    EXPECT_EQ(secondPass,
              (std::vector<std::string>{"CPM2 - Minime 2", "CAB1 - Benjamin 1", "COP1 - Open 1"}));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(setPath)));
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(temp.File("12345_Minime 1.pscore"))));
    EXPECT_EQ(frame->Document().State(), SheetState::NoSheet);

    // A file that is no SIF file is refused before the set file chooser.
    const std::string path = temp.File("notes.txt");
    zavtest::WriteFile(path, "this is no entries file;at all\n");
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(path), ExpectMessage(wxID_OK));
}

// Before any choice of their kind, the entries file, set and set tool
// choosers start in the folder of the sheet open when the command began.
TEST_F(SetWindowTest, SetChoosersStartInTheOpenSheetsFolder) {
    Teams teams;
    AddTeams(teams, "CPM1", 2);
    const std::string sif = WriteSif(teams), folder = temp.File("heats");
    wxFileName::Mkdir(wxString::FromUTF8(folder));
    const wxString sheet = wxString::FromUTF8(folder + "/heat.score");
    wxCopyFile(wxS(ZAV_EXAMPLES_DIR "/heat-4-teams.score"), sheet);
    ChooserSeen entries, set, tool;
    OpenFrame(sheet);
    wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(sif, &entries),
                  AnswerChooser("", &set));
    OpenFrame(sheet);
    wxTEST_DIALOG(Run(ID_COPY_SIF_SCORE_SET), AnswerChooser("", &tool));
    for (const ChooserSeen& seen : {entries, set, tool})
        EXPECT_EQ(seen.folder, wxString::FromUTF8(folder)) << seen.title;
}

class SetSheetsWindowTest : public SetWindowTest {
protected:
    // Categories first met in the order Open 1, Benjamin 1, Minime 1, so the
    // set file lists its sheets out of alphabetical order; the new set is
    // open on Open 1.
    void SetUp() override {
        SetWindowTest::SetUp();
        Teams teams;
        AddTeams(teams, "COP1", 3);
        AddTeams(teams, "CAB1", 2);
        AddTeams(teams, "CPM1", 4);
        AddTeams(teams, "CPC1", 2);
        OpenFrame();
        wxTEST_DIALOG(Run(ID_CREATE_SIF_SCORE_SET), AnswerChooser(WriteSif(teams)),
                      AnswerChooser(setPath), ExpectDialog<SifOptionsDialog>(wxID_OK, nullptr));
    }

    // How many of the set's files, set file included, are in `folder`.
    int SetFilesIn(const std::string& folder) const {
        int count = 0;
        for (const std::string& name :
             {open1, benjamin1, minime1, cadet1, std::string("ev.mscore")})
            count += wxFileExists(wxString::FromUTF8(folder + "/" + name));
        return count;
    }

    const std::string setPath = temp.File("ev.mscore");
    const std::string open1 = "ev_Open 1.pscore";
    const std::string benjamin1 = "ev_Benjamin 1.pscore";
    const std::string minime1 = "ev_Minime 1.pscore";
    const std::string cadet1 = "ev_Cadet 1.pscore";
};

// Started with a set file or opened, the set shows its first sheet. GTK moves
// a toolbar item that does not fit out of sight, with no sign of it: the
// chooser must fit the toolbar of a 1024-pixel window.
TEST_F(SetSheetsWindowTest, TheChooserListsTheSetSortedStaysOnTheToolbarAndSwitchesSheets) {
    OpenFrame(wxString::FromUTF8(setPath));
    // Added once the page is painted, it takes the room the tools leave.
    wxToolBar* toolBar = frame->GetToolBar();
    EXPECT_TRUE(WaitUntil([&] {
        const wxControl* added = toolBar->FindControl(ID_SHEET_COMBO);
        return added && added->GetSize().x > kSheetChooserMinWidth;
    }));
    EXPECT_EQ(frame->Document().State(), SheetState::Unchanged);
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{benjamin1, cadet1, minime1, open1}));
    EXPECT_EQ(ChooserShown(), open1);
    // The title names the set and the sheet on screen.
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Open 1 - Provisional"));
    EXPECT_NE(ShownText().find("COP1 3"), std::string::npos);
    const wxComboBox* chooser = frame->Chooser().Control();
    // The display resizes the window in its own time: wait until the
    // toolbar has the new width and the chooser has been fitted to it.
    frame->SetSize(1024, 768);
    EXPECT_TRUE(WaitUntil([&] { return toolBar->GetClientSize().x >= 1024 - 40; }));
    Yield(10);
    EXPECT_GE(chooser->GetSize().x, kSheetChooserMinWidth);
    EXPECT_GT(chooser->GetPosition().x, 0);
    EXPECT_LE(chooser->GetPosition().x + chooser->GetSize().x, toolBar->GetClientSize().x);

    Choose(minime1);
    EXPECT_NE(ShownText().find("CPM1 4"), std::string::npos);
    EXPECT_EQ(frame->GetTitle(), wxS("ZAV score - ev.mscore - Minime 1 - Provisional"));
    EXPECT_EQ(ChooserShown(), minime1);
    wxTEST_DIALOG(Run(ID_OPEN_SCORE_SET), AnswerChooser(setPath));
    EXPECT_EQ(ChooserShown(), open1);
}

class SetSheetKeyboardTest : public SetSheetsWindowTest {
protected:
    static void SetUpTestSuite() { EXPECT_TRUE(EnsureWindowManager()) << "no window manager"; }
};

// Real Ctrl+PgDn and Ctrl+PgUp, the page holding the keyboard (it scrolls
// with them), step through the chooser's list and go round at its ends; with
// no set, the steps are off.
TEST_F(SetSheetKeyboardTest, CtrlPageDownAndUpStepThroughTheSheetsAsListed) {
    frame->Raise();
    frame->View().Window()->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    const std::pair<int, std::string> steps[] = {
        {WXK_PAGEDOWN, benjamin1}, {WXK_PAGEDOWN, cadet1}, {WXK_PAGEUP, benjamin1},
        {WXK_PAGEUP, open1},       {WXK_PAGEUP, minime1},
    };
    for (const auto& [key, shown] : steps) {
        wxUIActionSimulator().Char(key, wxMOD_CONTROL);
        EXPECT_TRUE(WaitUntil([&] { return ChooserShown() == shown; })) << shown;
    }
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_NEXT_SET_SHEET));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_PREVIOUS_SET_SHEET));
}

// The set on screen is saved first; a copy puts every file in the chosen
// folder; the set is open again afterwards on the same sheet: where it was
// after a copy, from its new folder after a move.
TEST_F(SetSheetsWindowTest, AnOpenSetStaysOpenOnItsSheetAfterACopyOrAMove) {
    Choose(benjamin1);
    frame->Document().EditSheet().sTitle = "Changed before copy";
    frame->SheetChanged(zav::TextId::StepGeneralData);
    const std::string target = temp.File("target");
    wxMkdir(wxString::FromUTF8(target));
    wxTEST_DIALOG(Run(ID_COPY_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(target),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(SetFilesIn(target), 5);
    EXPECT_EQ(zavtest::ReadSheet(target + "/" + benjamin1).sTitle, "Changed before copy");
    EXPECT_EQ(ChooserShown(), benjamin1);

    const std::string elsewhere = temp.File("elsewhere");
    wxMkdir(wxString::FromUTF8(elsewhere));
    wxTEST_DIALOG(Run(ID_MOVE_SIF_SCORE_SET), AnswerChooser(setPath), PickFolder(elsewhere),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(frame->Document().Sheet().sMScoreOpen, elsewhere + "/ev.mscore");
    EXPECT_EQ(frame->Document().Sheet().sMultiFileOpen, elsewhere + "/" + benjamin1);
}

// Delete asks first, opening on No: No keeps the set.
TEST_F(SetSheetsWindowTest, DeleteAsksFirst) {
    bool opensOnNo = false;
    wxTEST_DIALOG(Run(ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath),
                  ExpectMessage(wxID_NO, nullptr, nullptr, &opensOnNo));
    EXPECT_TRUE(opensOnNo);
    EXPECT_EQ(SetFilesIn(temp.Path()), 5);
    wxTEST_DIALOG(Run(ID_DELETE_SIF_SCORE_SET), AnswerChooser(setPath), ExpectMessage(wxID_YES),
                  ExpectMessage(wxID_OK));
    EXPECT_EQ(SetFilesIn(temp.Path()), 0);
}

}  // namespace
