// Printing and the exports: the print and page setup dialogs, orientation,
// every page on paper, the preview, the placement pictures, wide sheets, the
// names each export chooser proposes and what the exported files hold.
#include <gtk/gtk.h>
#include <sys/stat.h>
#include <wx/arrstr.h>
#include <wx/filename.h>
#include <wx/gtk/print.h>
#include <wx/html/htmlcell.h>
#include <wx/print.h>
#include <wx/printdlg.h>

#include <cstdio>
#include <cstring>
#include <regex>
#include <tuple>

#include "gui/FrameFixture.h"
#include "paths/CreateFolders.h"
#include "report/PageBytes.h"
#include "report/PlacementPictures.h"
#include "sheet/GameCatalogue.h"
#include "support/TestFiles.h"

namespace {

// What a command line tool (pdftotext, pdfinfo) writes on its standard output.
std::string ToolOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}

// Leaf cells of a laid out page that have exactly `size`: its pictures.
int CellsOfSize(const wxHtmlCell* cell, const wxSize& size) {
    int count = 0;
    for (; cell; cell = cell->GetNext())
        count += cell->GetFirstChild() ? CellsOfSize(cell->GetFirstChild(), size)
                                       : cell->GetWidth() == size.x && cell->GetHeight() == size.y;
    return count;
}

class PrintTest : public FrameFixture {
protected:
    // The window in `language` with the full sample sheet open from heat1.score.
    wxZAVFrame& OpenSample(const char* language = "EN") {
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, language));
        return OpenFrameWith(zavtest::FullSampleSheet(), temp.File("heat1.score"));
    }

    bool ExportPdf(PageKind kind, const std::string& path) {
        return frame->Printing().ExportPdf(kind, frame->Pages().Page(kind, PageUse::Printer),
                                           [&] { return wxString::FromUTF8(path); });
    }

    // The pages printing puts on paper, as the PDF of the same pages counts them.
    int PrintedPages(PageKind kind) {
        const std::string pdf = temp.File("pages.pdf");
        EXPECT_TRUE(ExportPdf(kind, pdf));
        const std::string info = ToolOutput("pdfinfo '" + pdf + "'");
        const size_t at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
    }

    // What the print dialog offers; it is then cancelled.
    static wxPrintDialogData SeePrint(const std::function<void()>& print) {
        wxPrintDialogData seen;
        wxTEST_DIALOG(print(), ExpectDialog<wxPrintDialogBase>(wxID_CANCEL, [&](auto& dialog) {
                          seen = dialog.GetPrintDialogData();
                      }));
        return seen;
    }
    wxPrintDialogData SeePrint(int command) {
        return SeePrint([&] { Run(command); });
    }

    // The preview of the page in view, its pages laid out.
    wxPrintPreviewBase* OpenPreview() {
        Run(ID_PRINT_PREVIEW);
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* frame = dynamic_cast<wxPreviewFrame*>(window)) {
                wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
                EXPECT_TRUE(preview->RenderPage(1));
                return preview;
            }
        }
        return nullptr;
    }

    static void ClosePreview(wxPrintPreviewBase* preview) {
        preview->GetFrame()->Close(true);
        wxTheApp->ProcessIdle();
    }

    // The words of a PDF file with their left and right edges, in points.
    struct Word {
        double xMin, xMax;
        std::string text;
    };
    static std::vector<Word> Words(const std::string& pdf) {
        const std::string boxes = ToolOutput("pdftotext -bbox '" + pdf + "' -");
        static const std::regex word(
            "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" "
            "yMax=\"[0-9.]+\">([^<]*)<");
        std::vector<Word> words;
        for (std::sregex_iterator w(boxes.begin(), boxes.end(), word), end; w != end; ++w)
            words.push_back({std::stod((*w)[1]), std::stod((*w)[2]), (*w)[3]});
        return words;
    }
};

// Prints are landscape; the placement document prints in portrait, and
// afterwards the orientation the user chose in page setup comes back, also
// when the print was cancelled.
TEST_F(PrintTest, PlacementPrintKeepsTheOrientationChosenInPageSetup) {
    wxZAVFrame& window = OpenSample();
    EXPECT_EQ(SeePrint(ID_PRINT).GetPrintData().GetOrientation(), wxLANDSCAPE);
    for (wxPrintOrientation chosen : {wxPORTRAIT, wxLANDSCAPE}) {
        wxTEST_DIALOG(Run(ID_PRINT_SETUP),
                      ExpectDialog<wxPageSetupDialogBase>(wxID_OK, [&](auto& dialog) {
                          dialog.GetPageSetupDialogData().GetPrintData().SetOrientation(chosen);
                      }));
        EXPECT_EQ(SeePrint(ID_PRINT_PLACEMENT).GetPrintData().GetOrientation(), wxPORTRAIT);
        EXPECT_EQ(window.Printing().PrintData().GetOrientation(), chosen);
        EXPECT_EQ(SeePrint(ID_PRINT).GetPrintData().GetOrientation(), chosen);
    }
}

// Printing to a file proposes the page's own name in the documents folder,
// never GTK's "output.pdf" in the current folder.
TEST_F(PrintTest, PrintingToAFileProposesTheSheetsNameInTheDocumentsFolder) {
    OpenSample();
    for (const auto& [command, name] :
         {std::pair{ID_PRINT, "heat1.pdf"}, std::pair{ID_PRINT_EQUIP, "heat1_equip.pdf"}}) {
        wxPrintDialogData seen = SeePrint(command);
        auto* native = static_cast<wxGtkPrintNativeData*>(seen.GetPrintData().GetNativeData());
        const char* uri =
            gtk_print_settings_get(native->GetPrintConfig(), GTK_PRINT_SETTINGS_OUTPUT_URI);
        EXPECT_EQ(std::string(uri ? uri : ""), "file://" + temp.File(name));
    }
}

// A placement document of 12 games prints on 12 pages; a German sheet of 12 games needs two pages.
// The print dialog offers them all instead of page 1 alone, and so does printing from the preview,
// which shows as many pages as printing prints.
TEST_F(PrintTest, EveryPageIsPrintedAndPreviewed) {
    OpenSample("FR");
    EXPECT_EQ(PrintedPages(PageKind::Placement), 12);

    OpenSample("GE");
    EXPECT_EQ(PrintedPages(PageKind::Sheet), 2);
    for (const auto& [view, print, kind] :
         {std::tuple{ID_SCORE_SHEET, ID_PRINT, PageKind::Sheet},
          std::tuple{ID_PLACEMENT, ID_PRINT_PLACEMENT, PageKind::Placement}}) {
        EXPECT_TRUE(SeePrint(print).GetAllPages()) << print;
        Run(view);
        wxPrintPreviewBase* preview = OpenPreview();
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->GetMaxPage(), PrintedPages(kind));
        EXPECT_TRUE(SeePrint([&] { preview->Print(true); }).GetAllPages()) << print;
        ClosePreview(preview);
    }
}

// No placement picture ships with the program: a stand-in of the printed
// pictures' size takes the place of each, in the window and on paper; the
// user's own picture is used instead.
TEST_F(PrintTest, MissingPlacementPicturesHaveStandIns) {
    const std::string userFolder = temp.File("data/zavscore/placement");
    ASSERT_TRUE(zav::CreateFolders(userFolder));
    setenv("XDG_DATA_HOME", temp.File("data").c_str(), 1);
    wxZAVFrame& window = OpenSample("FR");  // its games are French catalogue games
    const wxSize standIn(540, 405), user(60, 45);
    const auto shownOfSize = [&](const wxSize& size) {
        Run(ID_PLACEMENT);
        return CellsOfSize(window.View().Window()->GetInternalRepresentation(), size);
    };
    EXPECT_EQ(shownOfSize(standIn), 12);
    const std::string pdf = temp.File("placement.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Placement, pdf));
    const std::string images = ToolOutput("pdfimages -list '" + pdf + "'");
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2 + 12);

    const std::string first =
        zav::PlacementPictureName({zav::CatalogueGame(0), zav::Language::French});
    wxImage(user).SaveFile(FromCore(userFolder + "/" + first), wxBITMAP_TYPE_PNG);
    EXPECT_EQ(shownOfSize(user), 1);
    EXPECT_EQ(shownOfSize(standIn), 11);
    unsetenv("XDG_DATA_HOME");
}

// Every page of the placement document has one layout: the heading as high
// on each.
TEST_F(PrintTest, EveryPlacementPageHasTheSameLayout) {
    OpenSample("FR").Document().EditSheet().iGamesNr = 10;
    const std::string pdf = temp.File("placement.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Placement, pdf));
    const std::string boxes = ToolOutput("pdftotext -bbox '" + pdf + "' -");
    static const std::regex heading("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>n°([0-9]+)<");
    std::vector<double> tops;
    for (std::sregex_iterator w(boxes.begin(), boxes.end(), heading), end; w != end; ++w)
        tops.push_back(std::stod((*w)[1]));
    ASSERT_EQ(tops.size(), 10u);
    for (size_t page = 1; page < tops.size(); ++page)
        EXPECT_NEAR(tops[page], tops[0], 0.5) << "page " << page + 1;
}

// Long names without a break make the sheet wider than the paper: it is
// drawn smaller, within the ten-millimetre margins of A4 landscape, instead
// of being cut.
TEST_F(PrintTest, WideSheetsPrintSmallerWithinTheMargins) {
    zav::ScoreSheet& wide = OpenSample().Document().EditSheet();
    for (int game = 0; game < wide.iGamesNr; ++game)
        wide.sGame[game] = "Longname" + std::string(12, 'x') + std::to_string(game);
    const std::string pdf = temp.File("printed.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Sheet, pdf));
    const std::vector<Word> words = Words(pdf);
    double leftmost = 1e9, rightmost = 0;
    for (const Word& w : words) {
        leftmost = std::min(leftmost, w.xMin);
        rightmost = std::max(rightmost, w.xMax);
    }
    const double paperWidth = 841.89, tenMillimetres = 28.35;
    EXPECT_GE(leftmost, tenMillimetres - 1);
    EXPECT_LE(rightmost, paperWidth - tenMillimetres + 1);
    // The last column, the add-on column, is on paper.
    for (const char* last : {"Junior", "Longnamexxxxxxxxxxxx11"})
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const Word& w) {
            return w.text == last;
        })) << last;
}

TEST_F(PrintTest, EachExportProposesItsNameAndWritesItsPage) {
    const zav::Settings settings(SettingsFile());
    EXPECT_TRUE(settings.Set(zav::SettingKey::LogoPath, temp.Path()));
    EXPECT_TRUE(settings.Set(zav::SettingKey::LogoName, "club.png"));
    wxZAVFrame& window = OpenSample();
    ASSERT_TRUE(
        wxImage(4, 4).SaveFile(wxString::FromUTF8(temp.File("club.png")), wxBITMAP_TYPE_PNG));
    wxFileName::Mkdir(wxString::FromUTF8(temp.File("out")));
    const struct {
        int command;
        const char* proposed;  // HTML: the file chosen last; PDF: the sheet's own file
        const char* answer;    // a name typed without extension gets it
        PageKind kind;
        const char* words;  // on paper, "|" between the pieces
    } exports[] = {
        {ID_EXPORT_HTML, "chosen", "sheet", PageKind::Sheet, ""},
        {ID_EXPORT_STAFF_HTML, "chosen", "staff.html", PageKind::Staff, ""},
        {ID_EXPORT_EQUIP_HTML, "chosen_equip", "equip.html", PageKind::Equipment, ""},
        {ID_EXPORT_PDF, "heat1.pdf", "sheet.pdf", PageKind::Sheet,
         "Challenge des clubs|Open & Juniors|Hélène Müller"},
        {ID_EXPORT_STAFF_PDF, "heat1.pdf", "staff.pdf", PageKind::Staff,
         "Arbitre 10|Club 10|Placeur 10"},
        {ID_EXPORT_EQUIP_PDF, "heat1_equip.pdf", "equip", PageKind::Equipment, "Open & Juniors"},
    };
    for (const auto& e : exports) {
        window.Document().RememberChosenFile(temp.File("elsewhere/chosen.pdf"));
        std::string path = temp.File(std::string("out/") + e.answer);
        ChooserSeen seen;
        wxTEST_DIALOG(Run(e.command), AnswerChooser(path, &seen));
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
    }
    // The exported page names its logo alone, copied beside it.
    EXPECT_NE(zavtest::ReadFile(temp.File("out/sheet.html")).find("src=\"club.png\""),
              std::string::npos);
    EXPECT_EQ(zavtest::ReadFile(temp.File("out/club.png")),
              zavtest::ReadFile(temp.File("club.png")));
}

// A PDF is written beside the old one and replaces it only when complete.
TEST_F(PrintTest, AFailedPdfKeepsTheOldFileAndIsReported) {
    OpenSample();
    const std::string old = temp.File("heat1.pdf");
    zavtest::WriteFile(old, "older export");
    ASSERT_EQ(chmod(old.c_str(), 0444), 0);  // write-protected
    wxString message;
    wxTEST_DIALOG(Run(ID_EXPORT_PDF), AnswerChooser(old), ExpectMessage(wxID_YES),
                  ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, wxString::FromUTF8(zav::FormatText(
                           zav::Text(zav::Language::English, zav::TextId::FileReadOnly), old)));
    EXPECT_EQ(zavtest::ReadFile(old), "older export");
    EXPECT_EQ(zavtest::FilesIn(temp.Path()), 3u);  // the sheet, its settings, the old PDF

    const std::string pdf = temp.File("no-such-folder/heat1.pdf");
    wxTEST_DIALOG(EXPECT_FALSE(ExportPdf(PageKind::Sheet, pdf)), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, wxS("Error while creating file = ") + wxString::FromUTF8(pdf));
}

}  // namespace
