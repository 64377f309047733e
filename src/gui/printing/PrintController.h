// Printing, page setup and the exports of the pages to HTML and PDF files,
// with the printing objects they share: paper, landscape orientation, 10 mm
// margins, fonts and colour. Each takes the page it prints or writes, built
// by the page producer for the printer or for a file.
#pragma once

#include <wx/string.h>

#include <functional>
#include <memory>
#include <string>

#include "settings/Settings.h"
#include "sheet/ScoreSheet.h"
#include "texts/Reporter.h"
#include "view/PageKind.h"

class wxPageSetupDialogData;
class wxPrintData;
class wxPrintPreview;
class wxWindow;

namespace zavgui {

class ZavHtmlEasyPrinting;

class PrintController {
public:
    // `sheet`: the open sheet, whose games number decides the sheet's fonts.
    PrintController(const zav::ScoreSheet& sheet, const wxString& programDir,
                    zav::Settings settings, const zav::Reporter& reporter);
    ~PrintController();

    void PageSetup();

    // Through the print dialog, which proposes `fileTarget` to print to a
    // file. The placement document prints in portrait, one game per page;
    // the orientation chosen in page setup comes back afterwards. A failure
    // is reported with its reason.
    void Print(PageKind kind, const std::string& page, const wxString& fileTarget);

    // The pages as Print would print them, in a preview frame over
    // `parent`, from which they can be printed as Print prints them; nothing
    // after a reported failure. The preview belongs to its frame.
    wxPrintPreview* Preview(PageKind kind, const std::string& page, wxWindow* parent,
                            const wxString& fileTarget);

    // The page as printing would put it on paper, into the PDF file that
    // `choosePath` asks for (none when it answers an empty path); where no
    // PDF can be written, the user is told so before any file is chosen.
    // False after a reported failure or when no file was chosen.
    [[nodiscard]] bool ExportPdf(PageKind kind, const std::string& page,
                                 const std::function<wxString()>& choosePath);

    // The page as its file holds it with the logo beside it (the core's
    // export; SaveHtmlSheet, SaveHtmlStaff and SaveHtmlEquip are this with
    // their page). False when the page was not written.
    [[nodiscard]] bool SaveHtmlPage(const std::string& page, const wxString& path);

    const wxPrintData& PrintData() const;
    const wxPageSetupDialogData& PageSetupData() const;

private:
    // Runs `job` with the fonts, colour and orientation of `kind`, and the
    // folder its relative references are resolved in.
    template <class Job>
    auto WithPageSettings(PageKind kind, Job job);
    void SetFontsAndColour(PageKind kind);
    wxString BaseFolder(PageKind kind) const;
    void ReportPrintFailure(const wxString& reason) const;

    const zav::ScoreSheet& sheet_;
    const wxString programDir_;
    const zav::Settings settings_;
    const zav::Reporter reporter_;
    std::unique_ptr<ZavHtmlEasyPrinting> printing_;
};

}  // namespace zavgui
