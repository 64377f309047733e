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
#include "settings/Settings.h"

namespace {

using zav::SettingKey;

class OptionsTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        EXPECT_TRUE(Settings().Set(SettingKey::Language, "EN"));
    }
    zav::Settings Settings() const { return zav::Settings(SettingsFile()); }
    std::string Stored(SettingKey key) const { return Settings().GetString(key); }

    std::vector<std::string> StoredColours() const {
        return {Stored(SettingKey::HeadFont), Stored(SettingKey::TitleBkg),
                Stored(SettingKey::BkgLine1), Stored(SettingKey::BkgLine2)};
    }

    void RunColors(int answer, std::function<void(ColorsDialog&)> act) {
        wxTEST_DIALOG(Run(ID_OPTIONS), ExpectDialog<ColorsDialog>(answer, std::move(act)));
    }
};

TEST_F(OptionsTest, ColourModelsWriteTheirColoursAndTheBlackAndWhiteFlag) {
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    RunColors(wxID_OK, [](ColorsDialog& d) { d.OnModel(7); });  // "B and W only"
    EXPECT_EQ(StoredColours(),
              (std::vector<std::string>{"#000000", "#808080", "#FFFFFF", "#DDDDDD"}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "1");

    RunColors(wxID_OK, [](ColorsDialog& d) {
        // The dialog opens with what the file holds.
        EXPECT_TRUE(d.blackAndWhite);
        EXPECT_EQ(d.fields[1]->GetValue(), wxS("#808080"));
        d.OnModel(0);  // "Water"
        d.fields[3]->SetValue(wxString());
    });
    EXPECT_EQ(StoredColours(), (std::vector<std::string>{"#0000FF", "#DDDDFF", "#FFFFFF", ""}));
    EXPECT_EQ(Stored(SettingKey::BWOnly), "0");
    // The open sheet's page is built again with the new colours.
    EXPECT_NE(frame->View().Page().find("#DDDDFF"), std::string::npos);

    RunColors(wxID_CANCEL, [](ColorsDialog& d) { d.OnModel(1); });
    EXPECT_EQ(Stored(SettingKey::HeadFont), "#0000FF");
}

TEST_F(OptionsTest, ColourChooserGivesHexTextAndKeepsCustomColoursForTheRun) {
    OpenFrame();
    wxColour customSeen;
    RunColors(wxID_OK, [&](ColorsDialog& d) {
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
    });
    EXPECT_EQ(Stored(SettingKey::HeadFont), "#FF0000");
    EXPECT_EQ(Stored(SettingKey::TitleBkg), "#ABCDEF");
    // A cancelled chooser leaves the field as it was.
    EXPECT_EQ(Stored(SettingKey::BkgLine1), "#123456");
    EXPECT_EQ(customSeen, wxColour(1, 2, 3));
}

TEST_F(OptionsTest, LogoFieldIsSplitIntoFolderAndName) {
    OpenFrame();
    const wxString sep(wxFILE_SEP_PATH);
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_OK, [&](LogoDialog& d) {
                      // No logo yet: a lone separator, which stores no logo.
                      EXPECT_EQ(d.field->GetValue(), sep);
                  }));
    EXPECT_EQ(Stored(SettingKey::LogoPath) + Stored(SettingKey::LogoName), "");

    // A logo in the root folder.
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_OK, [&](LogoDialog& d) {
                      EXPECT_EQ(d.field->GetValue(), sep);
                      d.field->SetValue(sep + "club.png");
                  }));
    EXPECT_EQ(Stored(SettingKey::LogoPath), ToCore(sep));
    EXPECT_EQ(Stored(SettingKey::LogoName), "club.png");

    const std::string picture = temp.File("club.png");
    zavtest::WriteFile(picture, "png");
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_OK, [&](LogoDialog& d) {
                      EXPECT_EQ(d.field->GetValue(), sep + "club.png");
                      wxTEST_DIALOG(d.OnSearch(), AnswerChooser(wxString::FromUTF8(picture)));
                  }));
    EXPECT_EQ(Stored(SettingKey::LogoPath), temp.Path());
    EXPECT_EQ(Stored(SettingKey::LogoName), "club.png");

    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_CANCEL, [&](LogoDialog& d) {
                      EXPECT_EQ(d.field->GetValue(), wxString::FromUTF8(picture));
                      d.field->SetValue(wxS("/elsewhere/x.png"));
                  }));
    EXPECT_EQ(Stored(SettingKey::LogoName), "club.png");
}

TEST_F(OptionsTest, LanguageChoiceIsWrittenAndTheProgramRestartsAfterTheQuitSteps) {
    OpenFrame(wxString::FromUTF8(CopyExample("heat-4-teams.score")));
    wxTEST_DIALOG(Run(ID_LANGUAGE),
                  ExpectDialog<LanguageDialog>(wxID_CANCEL, [](LanguageDialog& d) {
                      // Sorted by code; the setting's entry selected.
                      EXPECT_EQ(d.list->GetString(0).Left(2), wxS("EN"));
                      EXPECT_EQ(d.list->GetString(3).Left(2), wxS("IT"));
                      EXPECT_EQ(d.list->GetStringSelection().Left(2), wxS("EN"));
                      d.list->SetSelection(2);
                  }));
    EXPECT_EQ(Stored(SettingKey::Language), "EN");
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(FrameClosed());

    // Stopped at the save question: the language stays as it was.
    frame->Document().MarkChanged("title");
    const auto chooseGerman = [](LanguageDialog& d) { d.list->SetSelection(2); };
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, chooseGerman),
                  EXPECT_MESSAGE(wxID_CANCEL, nullptr));
    EXPECT_EQ(Stored(SettingKey::Language), "EN");
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(FrameClosed());

    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, chooseGerman),
                  EXPECT_MESSAGE(wxID_NO, nullptr));
    EXPECT_EQ(Stored(SettingKey::Language), "GE");
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(FrameClosed());
}

// Each option names the settings file it could not write; a language that
// was not written does not restart the program.
TEST_F(OptionsTest, SettingsThatCannotBeWrittenAreNamed) {
    OpenFrame();
    ASSERT_EQ(chmod(SettingsFile().c_str(), 0444), 0);  // write-protected
    const wxString expected = TxFormat(zav::Language::English, zav::TextId::SettingsNotWritten,
                                       wxString::FromUTF8(SettingsFile()));
    wxString logo, colours, language, saveAuto;
    wxTEST_DIALOG(Run(ID_PRESENTATION), ExpectDialog<LogoDialog>(wxID_OK, nullptr),
                  EXPECT_MESSAGE(wxID_OK, &logo));
    wxTEST_DIALOG(Run(ID_OPTIONS), ExpectDialog<ColorsDialog>(wxID_OK, nullptr),
                  EXPECT_MESSAGE(wxID_OK, &colours));
    wxTEST_DIALOG(Run(ID_LANGUAGE), ExpectDialog<LanguageDialog>(wxID_OK, nullptr),
                  EXPECT_MESSAGE(wxID_OK, &language));
    wxTEST_DIALOG(Run(ID_SAVE_AUTO), EXPECT_MESSAGE(wxID_OK, &saveAuto));
    EXPECT_EQ((std::vector<wxString>{logo, colours, language, saveAuto}),
              std::vector<wxString>(4, expected));
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(FrameClosed());
}

TEST_F(OptionsTest, AutomaticSaveTogglesItsMarkAndTheSetting) {
    OpenFrame();
    Run(ID_SAVE_AUTO);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(Stored(SettingKey::SaveAuto), "1");
    Run(ID_SAVE_AUTO);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_SAVE_AUTO));
    EXPECT_EQ(Stored(SettingKey::SaveAuto), "0");
}

}  // namespace
