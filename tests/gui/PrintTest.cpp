// Printing: the print and page setup dialogs, the orientation, the colour flag
// and the fonts the printed pages get.
#include <wx/cmndata.h>
#include <wx/printdlg.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "gui/ExportTesting.h"

namespace {

class PrintTest : public PrintFixture {
protected:
    void CancelPrint(int command) {
        wxTEST_DIALOG(Run(command), wxExpectDismissableModal<wxPrintDialogBase>(wxID_CANCEL));
    }

    // Height in points of the first word `word` of the first page of a PDF
    // file: it follows the size of the font the word was printed with.
    double WordHeight(const std::string& pdf, const std::string& word) {
        const std::string boxes = ToolOutput("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -");
        const std::string tail = ">" + word + "</word>";
        const size_t end = boxes.find(tail);
        if (end == std::string::npos) return 0;
        const size_t start = boxes.rfind("<word", end);
        std::istringstream attributes(boxes.substr(start, end - start));
        double yMin = 0, yMax = 0;
        std::string part;
        while (attributes >> part) {
            if (part.rfind("yMin=\"", 0) == 0) yMin = std::stod(part.substr(6));
            if (part.rfind("yMax=\"", 0) == 0) yMax = std::stod(part.substr(6));
        }
        return yMax - yMin;
    }
};

TEST_F(PrintTest, PrintsAreLandscapeWithTenMillimetreMargins) {
    // Page setup needs no sheet; cancelling it changes nothing.
    OpenFrame();
    wxTEST_DIALOG(Run(ID_PRINT_SETUP),
                  wxExpectDismissableModal<wxPageSetupDialogBase>(wxID_CANCEL));
    const PrintController& printing = frame->Printing();
    EXPECT_EQ(printing.PrintData().GetOrientation(), wxLANDSCAPE);
    EXPECT_EQ(printing.PageSetupData().GetMarginTopLeft(), wxPoint(10, 10));
    EXPECT_EQ(printing.PageSetupData().GetMarginBottomRight(), wxPoint(10, 10));

    // The placement print is portrait, one game per page; landscape comes
    // back even when the user cancels.
    OpenSample();
    CancelPrint(ID_PRINT_PLACEMENT);
    EXPECT_EQ(frame->Printing().PrintData().GetOrientation(), wxLANDSCAPE);
    EXPECT_NE(frame->Pages().Page(PageKind::Placement, PageUse::Printer).find("540"),
              std::string::npos);
}

TEST_F(PrintTest, ColourFlagFollowsTheBlackAndWhiteSetting) {
    wxZAVFrame& window = OpenSample("EN");
    const zav::Settings settings(SettingsFile());

    EXPECT_TRUE(settings.Set(zav::SettingKey::BWOnly, "1"));
    CancelPrint(ID_PRINT);
    EXPECT_FALSE(window.Printing().PrintData().GetColour());

    EXPECT_TRUE(settings.Set(zav::SettingKey::BWOnly, "0"));
    CancelPrint(ID_PRINT_STAFF);
    EXPECT_TRUE(window.Printing().PrintData().GetColour());

    // The equipment list keeps what the last print left.
    EXPECT_TRUE(settings.Set(zav::SettingKey::BWOnly, "1"));
    CancelPrint(ID_PRINT_EQUIP);
    EXPECT_TRUE(window.Printing().PrintData().GetColour());
}

// A German sheet of 11 or 12 games prints at 8 points instead of 10, to keep
// the long German game names within the page; the staff list always at 10.
TEST_F(PrintTest, CrowdedGermanSheetPrintsSmaller) {
    wxZAVFrame& window = OpenSample("GE");
    const std::string crowded = temp.File("crowded.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Sheet, crowded));
    const std::string staffAfter = temp.File("staff.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Staff, staffAfter));

    window.Document().EditSheet().iGamesNr = 10;
    const std::string normal = temp.File("normal.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Sheet, normal));

    const double small = WordHeight(crowded, "Écurie");
    const double usual = WordHeight(normal, "Écurie");
    ASSERT_GT(small, 0);
    ASSERT_GT(usual, 0);
    EXPECT_NEAR(small / usual, 0.8, 0.05);
    EXPECT_NEAR(WordHeight(staffAfter, "Placeur") / usual, 1.0, 0.05);
}

// Long names without a break make the sheet wider than the paper: it is drawn
// smaller, within the margins, instead of being cut at the right edge.
TEST_F(PrintTest, SheetWiderThanThePaperIsShrunkToFit) {
    wxZAVFrame& window = OpenSample("EN");
    for (int game = 0; game < window.Document().Sheet().iGamesNr; ++game)
        window.Document().EditSheet().sGame[game] =
            "Longname" + std::string(12, 'x') + std::to_string(game);
    const std::string pdf = temp.File("wide.pdf");
    ASSERT_TRUE(ExportPdf(PageKind::Sheet, pdf));

    const std::string boxes = ToolOutput("pdftotext -bbox '" + pdf + "' -");
    double leftmost = 1e9, rightmost = 0;
    for (size_t at = boxes.find("xMin=\""); at != std::string::npos;
         at = boxes.find("xMin=\"", at + 1))
        leftmost = std::min(leftmost, std::stod(boxes.substr(at + 6)));
    for (size_t at = boxes.find("xMax=\""); at != std::string::npos;
         at = boxes.find("xMax=\"", at + 1))
        rightmost = std::max(rightmost, std::stod(boxes.substr(at + 6)));
    // Within the margins, and nearly filling the space between them.
    const double paperWidth = 841.89, tenMillimetres = 28.35;
    EXPECT_GE(leftmost, tenMillimetres - 1);
    EXPECT_LT(leftmost, tenMillimetres + 10);
    EXPECT_LE(rightmost, paperWidth - tenMillimetres + 1);
    EXPECT_GT(rightmost, paperWidth - tenMillimetres - 20);
    // The last column, the add-on column, is on paper.
    EXPECT_NE(boxes.find(">Junior</word>"), std::string::npos);
    EXPECT_NE(boxes.find(">Longnamexxxxxxxxxxxx11</word>"), std::string::npos);
}

}  // namespace
