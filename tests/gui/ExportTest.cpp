// Exports of the pages through their commands: the name and title each
// chooser proposes, the HTML files with the logo copied beside them, and the
// PDF files holding what printing puts on paper.
#include <sys/stat.h>
#include <wx/arrstr.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <cstring>
#include <regex>
#include <string>

#include "gui/ExportTesting.h"
#include "printing/ExportNames.h"
#include "report/PageBytes.h"

namespace {

using ExportTest = PrintFixture;

TEST_F(ExportTest, EachExportProposesItsNameAndWritesItsPage) {
    const zav::Settings settings(SettingsFile());
    EXPECT_TRUE(settings.Set(zav::SettingKey::TitleBkg, "#C0D8FF"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::BkgLine1, "#FFFFE0"));
    EXPECT_TRUE(settings.Set(zav::SettingKey::LogoPath, temp.Path()));
    EXPECT_TRUE(settings.Set(zav::SettingKey::LogoName, "club.png"));
    wxZAVFrame& window = OpenSample();
    ASSERT_TRUE(
        wxImage(4, 4).SaveFile(wxString::FromUTF8(temp.File("club.png")), wxBITMAP_TYPE_PNG));
    wxFileName::Mkdir(wxString::FromUTF8(temp.File("out")));
    using T = zav::TextId;
    const struct {
        int command;
        T title;
        const char* proposed;  // HTML: the file chosen last; PDF: the sheet's own file
        const char* answer;    // a name typed without extension gets it
        PageKind kind;
        const char* words;  // on paper, "|" between the pieces
    } exports[] = {
        {ID_EXPORT_HTML, T::MenuExportSheetHtml, "chosen", "sheet", PageKind::Sheet, ""},
        {ID_EXPORT_STAFF_HTML, T::MenuExportSheetHtml, "chosen", "staff.html", PageKind::Staff, ""},
        {ID_EXPORT_EQUIP_HTML, T::MenuExportStaffHtml, "chosen_equip", "equip.html",
         PageKind::Equipment, ""},
        {ID_EXPORT_PDF, T::ExportPdf, "heat1.pdf", "sheet.pdf", PageKind::Sheet,
         "Challenge des clubs|Open & Juniors|Hélène Müller"},
        {ID_EXPORT_STAFF_PDF, T::ExportStaffPdf, "heat1.pdf", "staff.pdf", PageKind::Staff,
         "Arbitre 10|Club 10|Placeur 10"},
        {ID_EXPORT_EQUIP_PDF, T::ExportEquipPdf, "heat1_equip.pdf", "equip", PageKind::Equipment,
         "Open & Juniors"},
    };
    for (const auto& e : exports) {
        window.Document().RememberChosenFile(temp.File("elsewhere/chosen.pdf"));
        std::string path = temp.File(std::string("out/") + e.answer);
        ChooserSeen seen;
        wxTEST_DIALOG(Run(e.command), AnswerChooser(path, &seen));
        EXPECT_EQ(seen.title, Tx(zav::Language::English, e.title));
        EXPECT_EQ(seen.fileName, wxString::FromUTF8(e.proposed));
        if (!std::strchr(e.answer, '.')) path += *e.words ? ".pdf" : ".html";
        if (!*e.words) {
            EXPECT_EQ(zavtest::ReadFile(path),
                      zav::EncodePageBytes(window.Pages().Page(e.kind, PageUse::File)));
            EXPECT_EQ(window.Document().ChosenFile(), path);  // the next export proposes it
            continue;
        }
        // One space between words: table cells wrap their text on paper.
        const std::string text =
            std::regex_replace(ToolOutput("pdftotext '" + path + "' -"), std::regex("\\s+"), " ");
        for (const wxString& piece : wxSplit(wxString::FromUTF8(e.words), '|'))
            EXPECT_NE(text.find(piece.utf8_str().data()), std::string::npos) << piece << "\n"
                                                                             << text;
        if (e.kind != PageKind::Sheet) continue;
        EXPECT_NE(ToolOutput("pdfinfo '" + path + "'").find("841.89 x 595.276 pts (A4)"),
                  std::string::npos);
        // Every team name sits in a coloured row, ten in the heat and four
        // in the 'Challenge': none may lose its text on paper.
        size_t names = 0;
        for (size_t at = text.find("Étangs"); at != std::string::npos;
             at = text.find("Étangs", at + 1))
            ++names;
        EXPECT_EQ(names, 14u) << text;
    }
    // The exported page names its logo alone, copied beside it.
    EXPECT_NE(zavtest::ReadFile(temp.File("out/sheet.html")).find("src=\"club.png\""),
              std::string::npos);
    EXPECT_EQ(zavtest::ReadFile(temp.File("out/club.png")),
              zavtest::ReadFile(temp.File("club.png")));
}

// A PDF is written beside the old one and replaces it only when complete.
TEST_F(ExportTest, AFailedPdfKeepsTheOldFileAndIsReported) {
    OpenSample();
    const std::string old = temp.File("heat1.pdf");
    zavtest::WriteFile(old, "older export");
    ASSERT_EQ(chmod(old.c_str(), 0444), 0);  // write-protected
    wxString message;
    wxTEST_DIALOG(Run(ID_EXPORT_PDF), AnswerChooser(old), ExpectMessage(wxID_YES),
                  ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, wxS("Error writing file = ") + wxString::FromUTF8(old));
    EXPECT_EQ(zavtest::ReadFile(old), "older export");
    EXPECT_EQ(zavtest::FilesIn(temp.Path()), 3u);  // the sheet, its settings, the old PDF

    const std::string pdf = temp.File("no-such-folder/heat1.pdf");
    wxTEST_DIALOG(EXPECT_FALSE(ExportPdf(PageKind::Sheet, pdf)), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, wxS("Error while creating file = ") + wxString::FromUTF8(pdf));
}

TEST(ExportStemTest, DropsOnlyTheLastExtensionAndNeverTheWholeName) {
    const std::pair<const char*, const char*> stems[] = {{"heat1.score", "heat1"},
                                                         {"semi.final.pscore", "semi.final"},
                                                         {".score", ""},
                                                         {"heat1", ""},
                                                         {"", ""}};
    for (const auto& [name, stem] : stems)
        EXPECT_EQ(zavgui::ExportStem(wxString(name)), wxString(stem));
}

}  // namespace
