// Exports of the pages: HTML files with the logo copied beside them, and PDF
// files holding what printing puts on paper.
#include <sys/stat.h>
#include <wx/filename.h>

#include <string>

#include "gui/ExportTesting.h"
#include "printing/ExportNames.h"
#include "report/PageBytes.h"

namespace {

// The words of a text, one space apart: table cells wrap their text on paper.
std::string Words(const std::string& text) {
    std::string words;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\f';
        if (!space)
            words += c;
        else if (!words.empty() && words.back() != ' ')
            words += ' ';
    }
    return words;
}

bool Exists(const std::string& path) {
    return wxFileExists(wxString::FromUTF8(path));
}

class ExportTest : public PrintFixture {
protected:
    // A logo of `size` bytes in a folder of its own, named in the settings.
    std::string MakeLogo(size_t size) {
        const std::string folder = temp.File("logos");
        wxFileName::Mkdir(wxString::FromUTF8(folder), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7);
        zavtest::WriteFile(folder + "/club.png", bytes);
        const zav::Settings settings(SettingsFile());
        EXPECT_TRUE(settings.Set(zav::SettingKey::LogoPath, folder));
        EXPECT_TRUE(settings.Set(zav::SettingKey::LogoName, "club.png"));
        return bytes;
    }

    // Runs an export command through its file chooser, answered with `path`;
    // what the chooser showed is returned.
    ChooserSeen ExportThroughChooser(int command, const std::string& path) {
        ChooserSeen seen;
        wxTEST_DIALOG(Run(command), AnswerChooser(wxString::FromUTF8(path), &seen));
        return seen;
    }
};

TEST_F(ExportTest, ScoreSheetPageIsWrittenWithTheLogoBesideIt) {
    wxZAVFrame& window = OpenSample();
    const std::string logo = MakeLogo(1234);
    const std::string path = temp.File("out/heat1.html");
    wxFileName::Mkdir(wxString::FromUTF8(temp.File("out")));

    // A name typed without extension gets ".html".
    const ChooserSeen seen = ExportThroughChooser(ID_EXPORT_HTML, temp.File("out/heat1"));

    EXPECT_EQ(seen.fileName, wxS("heat1"));
    EXPECT_EQ(seen.title, wxS("Export score sheet to HTML"));
    const std::string written = zavtest::ReadFile(path);
    EXPECT_EQ(written, zav::EncodePageBytes(window.Pages().Page(PageKind::Sheet, PageUse::File)));
    // The exported page names its logo alone, to find it beside itself.
    EXPECT_NE(written.find("src=\"club.png\""), std::string::npos);
    EXPECT_NE(written.find("tangs 10"), std::string::npos);
    EXPECT_EQ(zavtest::ReadFile(temp.File("out/club.png")), logo);
    // The next export proposes the exported file's own stem.
    EXPECT_EQ(window.Document().ChosenFile(), path);
}

TEST(ExportStemTest, DropsOnlyTheLastExtensionAndNeverTheWholeName) {
    EXPECT_EQ(zavgui::ExportStem(wxS("heat1.score")), wxS("heat1"));
    EXPECT_EQ(zavgui::ExportStem(wxS("semi.final.pscore")), wxS("semi.final"));
    EXPECT_EQ(zavgui::ExportStem(wxS(".score")), wxString());
    EXPECT_EQ(zavgui::ExportStem(wxS("heat1")), wxString());
    EXPECT_EQ(zavgui::ExportStem(wxString()), wxString());
}

TEST_F(ExportTest, StaffAndEquipmentPagesProposeTheirNamesAndAreWritten) {
    wxZAVFrame& window = OpenSample();
    ChooserSeen seen = ExportThroughChooser(ID_EXPORT_STAFF_HTML, temp.File("staff.html"));
    EXPECT_EQ(seen.fileName, wxS("heat1"));
    EXPECT_EQ(seen.title, wxS("Export score sheet to HTML"));
    EXPECT_EQ(zavtest::ReadFile(temp.File("staff.html")),
              zav::EncodePageBytes(window.Pages().Page(PageKind::Staff, PageUse::File)));

    window.Document().RememberChosenFile(temp.File("heat1.score"));
    seen = ExportThroughChooser(ID_EXPORT_EQUIP_HTML, temp.File("equip.html"));
    EXPECT_EQ(seen.fileName, wxS("heat1_equip"));
    EXPECT_EQ(seen.title, wxS("Export assistant referees and arena party list to HTML"));
    const std::string equipment = zavtest::ReadFile(temp.File("equip.html"));
    EXPECT_EQ(equipment,
              zav::EncodePageBytes(window.Pages().Page(PageKind::Equipment, PageUse::File)));
    EXPECT_NE(equipment, zavtest::ReadFile(temp.File("staff.html")));
    // No logo configured: nothing is copied, nothing is said.
    EXPECT_FALSE(Exists(temp.File("club.png")));
}

// A PDF is named after its sheet, whatever file was chosen last; it is
// written beside the old one and replaces it only when complete.
TEST_F(ExportTest, PdfIsNamedAfterItsSheetAndAFailureKeepsTheOldFile) {
    wxZAVFrame& window = OpenSample();
    window.Document().RememberChosenFile(temp.File("elsewhere/results.pdf"));
    const std::string old = temp.File("heat1.pdf");
    zavtest::WriteFile(old, "older export");
    ASSERT_EQ(chmod(old.c_str(), 0444), 0);  // write-protected
    ChooserSeen seen;
    wxString message;
    wxTEST_DIALOG(Run(ID_EXPORT_PDF), AnswerChooser(wxString::FromUTF8(old), &seen),
                  ExpectMessage(wxID_YES), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(seen.fileName, wxS("heat1.pdf"));
    EXPECT_EQ(message, wxS("Error writing file = ") + wxString::FromUTF8(old));
    EXPECT_EQ(zavtest::ReadFile(old), "older export");
    EXPECT_EQ(zavtest::FilesIn(temp.Path()), 3u);  // the sheet, its settings, the old PDF

    const std::string pdf = temp.File("no-such-folder/heat1.pdf");
    wxTEST_DIALOG(EXPECT_FALSE(ExportPdf(PageKind::Sheet, pdf)), EXPECT_MESSAGE(wxID_OK, &message));
    EXPECT_EQ(message, wxS("Error while creating file = ") + wxString::FromUTF8(pdf));
}

TEST_F(ExportTest, ScoreSheetPdfHoldsTheSheetOnLandscapePages) {
    const zav::Settings settings(SettingsFile());
    EXPECT_TRUE(settings.Set(zav::SettingKey::TitleBkg, "#C0D8FF"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::BkgLine1, "#FFFFE0"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::BkgLine2, "#E0FFE0"));
    OpenSample();
    const std::string path = temp.File("heat1.pdf");
    const ChooserSeen seen = ExportThroughChooser(ID_EXPORT_PDF, path);
    EXPECT_EQ(seen.fileName, wxS("heat1.pdf"));
    EXPECT_EQ(seen.title, wxS("Export score sheet to PDF"));

    const std::string info = ToolOutput("pdfinfo '" + path + "'");
    EXPECT_NE(info.find("841.89 x 595.276 pts (A4)"), std::string::npos) << info;
    const std::string text = Words(ToolOutput("pdftotext '" + path + "' -"));
    for (const char* expected : {"Challenge des clubs", "Open & Juniors", "Hélène Müller"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // Every team name sits in a coloured row, ten in the heat and four in
    // the 'Challenge': none may lose its text on paper.
    size_t names = 0;
    for (size_t at = text.find("Étangs"); at != std::string::npos; at = text.find("Étangs", at + 1))
        ++names;
    EXPECT_EQ(names, 14u) << text;
}

TEST_F(ExportTest, StaffAndEquipmentPdfsHoldTheirPages) {
    wxZAVFrame& window = OpenSample();
    const std::string staff = temp.File("staff.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Staff, staff));
    const std::string staffText = ToolOutput("pdftotext '" + staff + "' -");
    for (const char* expected : {"Arbitre 10", "Club 10", "Placeur 10"})
        EXPECT_NE(staffText.find(expected), std::string::npos) << expected << "\n" << staffText;

    const std::string equip = temp.File("equip.pdf");
    EXPECT_EQ(ExportThroughChooser(ID_EXPORT_EQUIP_PDF, temp.File("equip")).fileName,
              wxS("heat1_equip.pdf"));
    // A name typed without its extension gets it.
    const std::string equipText = ToolOutput("pdftotext '" + equip + "' -");
    EXPECT_NE(equipText.find(window.Document().Sheet().sSubTitle), std::string::npos) << equipText;
    EXPECT_EQ(equipText.find("Placeur 10"), std::string::npos);
}

}  // namespace
