// Options: logo, colours with the shared colour chooser and the models,
// language with the restart, automatic save. Each writes the settings file.
#include <sys/stat.h>
#include <wx/colordlg.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "dialogs/ColorsDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LogoDialog.h"
#include "gui/FrameFixture.h"

namespace {

using zav::SettingKey;

class OptionsTest : public EnglishFrameFixture {
protected:
    std::string Stored(SettingKey key) const {
        return zav::Settings(SettingsFile()).GetString(key);
    }

    std::vector<std::string> StoredColours() const {
        return {Stored(SettingKey::HeadFont), Stored(SettingKey::TitleBkg),
                Stored(SettingKey::BkgLine1), Stored(SettingKey::BkgLine2)};
    }

    void RunColors(int answer, std::function<void(ColorsDialog&)> act) {
        wxTEST_DIALOG(Run(ID_OPTIONS), ExpectDialog<ColorsDialog>(answer, std::move(act)));
    }
};

// A model sets the four colours and the black-and-white flag; the shared
// colour chooser gives hex text, keeps custom colours for the run, and leaves
// the field alone when cancelled.
TEST_F(OptionsTest, ColoursFromModelsAndTheChooserAreWritten) {
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    RunColors(wxID_OK, [](ColorsDialog& d) { d.OnModel(7); });  // "B and W only"
    EXPECT_EQ(StoredColours(),
              (std::vector<std::string>{"#000000", "#808080", "#FFFFFF", "#DDDDDD"}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "1");

    wxColour customSeen;
    RunColors(wxID_OK, [&](ColorsDialog& d) {
        // The dialog opens with what the file holds.
        EXPECT_TRUE(d.blackAndWhite);
        EXPECT_EQ(d.fields[1]->GetValue(), wxS("#808080"));
        d.OnModel(0);  // "Water"
        d.fields[0]->SetValue(wxS("red"));
        wxTEST_DIALOG(d.OnChange(0), ExpectDialog<wxColourDialog>(wxID_OK, [](wxColourDialog& c) {
                          c.GetColourData().SetCustomColour(2, wxColour(1, 2, 3));
                      }));
        d.fields[1]->SetValue(wxS("#abcdef"));
        wxTEST_DIALOG(d.OnChange(1), ExpectDialog<wxColourDialog>(wxID_OK, [&](wxColourDialog& c) {
                          customSeen = c.GetColourData().GetCustomColour(2);
                      }));
        d.fields[2]->SetValue(wxS("#123456"));
        wxTEST_DIALOG(d.OnChange(2), ExpectDialog<wxColourDialog>(wxID_CANCEL, nullptr));
        d.fields[3]->SetValue(wxString());
    });
    EXPECT_EQ(StoredColours(), (std::vector<std::string>{"#FF0000", "#ABCDEF", "#123456", ""}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "0");
    EXPECT_EQ(customSeen, wxColour(1, 2, 3));
    // The open sheet's page is built again with the new colours.
    EXPECT_NE(frame->View().Page().find("#ABCDEF"), std::string::npos);

    RunColors(wxID_CANCEL, [](ColorsDialog& d) { d.OnModel(1); });
    EXPECT_EQ(Stored(SettingKey::HeadFont), "#FF0000");
}

// The field shows the folder and the name joined; what is typed or chosen is
// stored split at its last separator.
TEST_F(OptionsTest, LogoFieldIsSplitIntoFolderAndName) {
    OpenFrame();
    const wxString sep(wxFILE_SEP_PATH);
    const std::string picture = temp.File("club.png");
    zavtest::WriteFile(picture, "png");
    const struct {
        wxString shown, typed;  // nothing typed: the picture is chosen
        std::string folder, name;
    } steps[] = {{sep, sep, "", ""},  // no logo: a lone separator, which stores none
                 {sep, sep + "club.png", ToCore(sep), "club.png"},  // in the root folder
                 {sep + "club.png", "", temp.Path(), "club.png"},
                 {wxString::FromUTF8(picture), "/elsewhere/x.png", temp.Path(), "club.png"}};
    for (const auto& step : steps) {
        const bool cancelled = &step == &steps[3];
        wxTEST_DIALOG(
            Run(ID_PRESENTATION),
            ExpectDialog<LogoDialog>(cancelled ? wxID_CANCEL : wxID_OK, [&](LogoDialog& d) {
                EXPECT_EQ(d.field->GetValue(), step.shown);
                if (!step.typed.empty())
                    d.field->SetValue(step.typed);
                else
                    wxTEST_DIALOG(d.OnSearch(), AnswerChooser(picture));
            }));
        EXPECT_EQ(Stored(SettingKey::LogoPath), step.folder);
        EXPECT_EQ(Stored(SettingKey::LogoName), step.name);
    }
}

// Cancelled, or stopped at the save question, the language stays as it was;
// after No it is written and the program restarts.
TEST_F(OptionsTest, LanguageChoiceIsWrittenAndTheProgramRestartsAfterTheQuitSteps) {
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    frame->Document().MarkChanged("title");
    const auto chooseGerman = [](LanguageDialog& d) {
        // Sorted by code; the setting's entry selected.
        EXPECT_EQ(d.list->GetString(0).Left(2), wxS("EN"));
        EXPECT_EQ(d.list->GetString(3).Left(2), wxS("IT"));
        EXPECT_EQ(d.list->GetStringSelection().Left(2), wxS("EN"));
        d.list->SetSelection(2);
    };
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_CANCEL, chooseGerman));
    for (const int answer : {wxID_CANCEL, wxID_NO}) {
        EXPECT_EQ(Stored(SettingKey::Language), "EN");
        EXPECT_EQ(restarts, 0);
        EXPECT_FALSE(FrameClosed());
        wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, chooseGerman),
                      ExpectMessage(answer));
    }
    EXPECT_EQ(Stored(SettingKey::Language), "GE");
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(FrameClosed());
}

// Automatic save toggles its mark and its setting; each option names the
// settings file it could not write, and a language that was not written does
// not restart the program.
TEST_F(OptionsTest, AutomaticSaveIsMarkedAndSettingsThatCannotBeWrittenAreNamed) {
    OpenFrame();
    Run(ID_SAVE_AUTO);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(Stored(SettingKey::SaveAuto), "1");

    ASSERT_EQ(chmod(SettingsFile().c_str(), 0444), 0);  // write-protected
    const wxString expected = TxFormat(zav::Language::English, zav::TextId::SettingsNotWritten,
                                       wxString::FromUTF8(SettingsFile()));
    // The logo is stored as the colours are.
    wxString colours, language, saveAuto;
    wxTEST_DIALOG(Run(ID_OPTIONS), ExpectDialog<ColorsDialog>(wxID_OK, nullptr),
                  ExpectMessage(wxID_OK, &colours));
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, nullptr),
                  ExpectMessage(wxID_OK, &language));
    wxTEST_DIALOG(Run(ID_SAVE_AUTO), ExpectMessage(wxID_OK, &saveAuto));
    EXPECT_EQ((std::vector<wxString>{colours, language, saveAuto}),
              std::vector<wxString>(3, expected));
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(FrameClosed());
}

}  // namespace
