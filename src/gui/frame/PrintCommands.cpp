#include "frame/PrintCommands.h"

#include <wx/filename.h>

#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "paths/PathNames.h"
#include "platform/UserFolders.h"
#include "printing/ExportNames.h"

namespace zavgui {

// The print and export commands of one page.
struct PageCommands {
    PageKind kind;
    int print;
    int exportHtml;  // 0: not exported
    int exportPdf;
    zav::TextId htmlCaption;
    zav::TextId pdfCaption;
    const char* nameSuffix;  // added to the proposed file name
};

namespace {

using T = zav::TextId;

// The staff list's HTML export has the score sheet's caption, and the
// equipment list's the staff list's.
constexpr PageCommands kPageCommands[] = {
    {PageKind::Sheet, ID_PRINT, ID_EXPORT_HTML, ID_EXPORT_PDF, T::MenuExportSheetHtml, T::ExportPdf,
     ""},
    {PageKind::Staff, ID_PRINT_STAFF, ID_EXPORT_STAFF_HTML, ID_EXPORT_STAFF_PDF,
     T::MenuExportSheetHtml, T::ExportStaffPdf, ""},
    {PageKind::Equipment, ID_PRINT_EQUIP, ID_EXPORT_EQUIP_HTML, ID_EXPORT_EQUIP_PDF,
     T::MenuExportStaffHtml, T::ExportEquipPdf, "_equip"},
    {PageKind::Placement, ID_PRINT_PLACEMENT, 0, 0, T{}, T{}, ""},
};

}  // namespace

PrintCommands::PrintCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &PrintCommands::OnPrintSetup, this, ID_PRINT_SETUP);
    frame.Bind(wxEVT_MENU, &PrintCommands::OnPrintPreview, this, ID_PRINT_PREVIEW);
    for (const PageCommands& page : kPageCommands) {
        frame.Bind(
            wxEVT_MENU, [this, &page](wxCommandEvent&) { Print(page); }, page.print);
        if (page.exportHtml == 0) continue;
        frame.Bind(
            wxEVT_MENU, [this, &page](wxCommandEvent&) { ExportHtml(page); }, page.exportHtml);
        frame.Bind(
            wxEVT_MENU, [this, &page](wxCommandEvent&) { ExportPdf(page); }, page.exportPdf);
    }
}

// Needs no sheet.
void PrintCommands::OnPrintSetup(wxCommandEvent&) {
    frame_.Printing().PageSetup();
}

void PrintCommands::Print(const PageCommands& page) {
    if (!frame_.RequireSheet()) return;
    frame_.Printing().Print(page.kind, frame_.Pages().Page(page.kind, PageUse::Printer),
                            PrintFileTarget(page.nameSuffix));
}

// One preview, of the page in view, rather than one per print command: the
// scorer checks on screen what is about to go on paper.
void PrintCommands::OnPrintPreview(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    const PageKind kind = frame_.Choices().page.value_or(PageKind::Sheet);
    const char* suffix = "";
    for (const PageCommands& page : kPageCommands)
        if (page.kind == kind) suffix = page.nameSuffix;
    (void)frame_.Printing().Preview(kind, frame_.Pages().Page(kind, PageUse::Printer), &frame_,
                                    PrintFileTarget(suffix));
}

void PrintCommands::ExportHtml(const PageCommands& page) {
    if (!frame_.RequireSheet()) return;
    const wxString path = ChooseExportFile(page.htmlCaption, ProposedStem(page.nameSuffix),
                                           T::HtmlFilter, wxS("html"));
    if (path.empty()) return;
    (void)frame_.Printing().SaveHtmlPage(frame_.Pages().Page(page.kind, PageUse::File), path);
}

void PrintCommands::ExportPdf(const PageCommands& page) {
    if (!frame_.RequireSheet()) return;
    (void)frame_.Printing().ExportPdf(
        page.kind, frame_.Pages().Page(page.kind, PageUse::Printer), [&] {
            return ChooseExportFile(page.pdfCaption, PdfName(page.nameSuffix), T::PdfFilter,
                                    wxS("pdf"));
        });
}

wxString PrintCommands::ChooseExportFile(zav::TextId caption, const wxString& proposedName,
                                         zav::TextId filter, const wxString& extension) {
    const wxString path = frame_.User().ChooseNewFile(FileKind::Export, caption, wxString(),
                                                      proposedName, filter, extension);
    if (!path.empty()) frame_.Document().RememberChosenFile(ToCore(path));
    return path;
}

// Every sheet of a set has a PDF of its own name, whatever was chosen last.
wxString PrintCommands::PdfName(const char* suffix) const {
    const wxString stem =
        ExportStem(wxFileName(FromCore(frame_.Document().OwnFile())).GetFullName());
    return stem.empty() ? wxString() : stem + wxString::FromUTF8(suffix) + wxS(".pdf");
}

// In the documents folder: GTK would propose "output.pdf" in the current
// folder, which may be one the user cannot write.
wxString PrintCommands::PrintFileTarget(const char* suffix) const {
    const wxString name = PdfName(suffix);
    return FromCore(zav::PathInFolder(zav::UserDocumentsFolder(frame_.Context().environment),
                                      ToCore(name.empty() ? sAppli + wxS(".pdf") : name)));
}

wxString PrintCommands::ProposedStem(const char* suffix) const {
    const wxString chosen = FromCore(frame_.Document().ChosenFile());
    return ExportStem(wxFileName(chosen).GetFullName()) + wxString::FromUTF8(suffix);
}

}  // namespace zavgui
