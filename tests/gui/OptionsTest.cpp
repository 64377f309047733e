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
// colour chooser gives hex text and leaves the field alone when cancelled.
TEST_F(OptionsTest, ColoursFromModelsAndTheChooserAreWritten) {
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    RunColors(wxID_OK, [](ColorsDialog& d) { d.OnModel(7); });  // "B and W only"
    EXPECT_EQ(StoredColours(),
              (std::vector<std::string>{"#000000", "#808080", "#FFFFFF", "#DDDDDD"}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "1");

    RunColors(wxID_OK, [&](ColorsDialog& d) {
        d.OnModel(0);  // "Water"
        d.fields[0]->SetValue(wxS("red"));
        wxTEST_DIALOG(d.OnChange(0), ExpectDialog<wxColourDialog>(wxID_OK, nullptr));
        d.fields[1]->SetValue(wxS("#abcdef"));
        wxTEST_DIALOG(d.OnChange(1), ExpectDialog<wxColourDialog>(wxID_OK, nullptr));
        d.fields[2]->SetValue(wxS("#123456"));
        wxTEST_DIALOG(d.OnChange(2), ExpectDialog<wxColourDialog>(wxID_CANCEL, nullptr));
        d.fields[3]->SetValue(wxString());
    });
    EXPECT_EQ(StoredColours(), (std::vector<std::string>{"#FF0000", "#ABCDEF", "#123456", ""}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "0");
    // The open sheet's page is built again with the new colours.
    EXPECT_NE(frame->View().Page().find("#ABCDEF"), std::string::npos);

    RunColors(wxID_CANCEL, [](ColorsDialog& d) { d.OnModel(1); });
    EXPECT_EQ(Stored(SettingKey::HeadFont), "#FF0000");
}

// The chosen picture is stored as its folder and its name, and shown joined.
TEST_F(OptionsTest, TheChosenLogoIsStoredAsFolderAndName) {
    OpenFrame();
    const std::string picture = temp.File("club.png");
    zavtest::WriteFile(picture, "png");
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_OK, [&](LogoDialog& d) {
                      wxTEST_DIALOG(d.OnSearch(), AnswerChooser(picture));
                  }));
    EXPECT_EQ(Stored(SettingKey::LogoPath), temp.Path());
    EXPECT_EQ(Stored(SettingKey::LogoName), "club.png");
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_CANCEL, [&](LogoDialog& d) {
                      EXPECT_EQ(d.field->GetValue(), wxString::FromUTF8(picture));
                  }));
}

// The language in use is proposed, the desktop's until one is chosen.
// Cancelled, or stopped at the save question, the language stays as it was;
// after No it is written and the program starts again on the sheet.
TEST_F(OptionsTest, LanguageChoiceIsWrittenAndTheProgramRestartsOnTheSheetAfterTheQuitSteps) {
    ASSERT_TRUE(zav::Settings(SettingsFile()).Set(SettingKey::Language, ""));
    desktop["LANG"] = "en_GB.UTF-8";
    const std::string sheet = CopyExample("heat-4-teams.score");
    OpenFrame(wxString::FromUTF8(sheet));
    frame->Document().MarkChanged("title");
    const auto chooseGerman = [](LanguageDialog& d) {
        // Sorted by code: EN, FR, GE, IT.
        EXPECT_EQ(d.list->GetStringSelection().Left(2), wxS("EN"));
        d.list->SetSelection(2);
    };
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_CANCEL, chooseGerman));
    for (const int answer : {wxID_CANCEL, wxID_NO}) {
        EXPECT_EQ(Stored(SettingKey::Language), "");
        EXPECT_EQ(restarts, 0);
        EXPECT_FALSE(FrameClosed());
        wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, chooseGerman),
                      ExpectMessage(answer));
    }
    EXPECT_EQ(Stored(SettingKey::Language), "GE");
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(restartedOn, sheet);
    EXPECT_TRUE(FrameClosed());
}

// Automatic save toggles its mark and its setting; an option names the
// settings file it could not write, and a language that was not written does
// not restart the program.
TEST_F(OptionsTest, AutomaticSaveIsMarkedAndSettingsThatCannotBeWrittenAreNamed) {
    OpenFrame();
    Run(ID_SAVE_AUTO);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(Stored(SettingKey::SaveAuto), "1");

    ASSERT_EQ(chmod(SettingsFile().c_str(), 0444), 0);  // write-protected
    wxString message;
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, nullptr),
                  ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, TxFormat(zav::Language::English, zav::TextId::SettingsNotWritten,
                                wxString::FromUTF8(SettingsFile())));
    wxTEST_DIALOG(Run(ID_SAVE_AUTO), ExpectMessage(wxID_OK));
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(FrameClosed());
}

}  // namespace
