// Printing, page setup, and export of the pages to HTML and PDF files.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "ExportNames.h"
#include "SheetPrinting.h"
#include "ZAVFrame.h"
#include "report/PageExport.h"
#include "report/PageStyle.h"
#include "report/PlacementPage.h"

using namespace zavgui;

namespace {

constexpr int kPrintFontSize = 10;
constexpr int kSmallPrintFontSize = 8;

}  // namespace

void wxZAVFrame::Inform(const wxString& text) {
    wxMessageBox(text, sAppli, wxOK | wxICON_INFORMATION, this);
}

// Relative references of a printed page are resolved in the logo's folder,
// or in the program's folder when there is no logo.
wxString wxZAVFrame::PrintBaseFolder() const {
    const wxString logoPath = FromCore(AppSettings().GetString(zav::SettingKey::LogoPath));
    return logoPath.empty() ? context_.programDir : logoPath;
}

void wxZAVFrame::PreparePrintedPage(PrintedPage kind) {
    const zav::Settings settings = AppSettings();
    const bool colour = settings.GetInt(zav::SettingKey::BWOnly) != 1;
    switch (kind) {
        case PrintedPage::Sheet: {
            PrepareHtml(zav::OutputTarget::WindowOrPrinter, false);
            const bool crowded = wxLanguage == zav::Language::German && sheet.iGamesNr > 10;
            pHtmlPrinting->SetPrintFonts(wxS("Arial"),
                                         crowded ? kSmallPrintFontSize : kPrintFontSize);
            pPrintData->SetColour(colour);
            break;
        }
        case PrintedPage::Staff:
            PrepareHtmlStaff(zav::OutputTarget::WindowOrPrinter);
            pHtmlPrinting->SetPrintFonts(wxS("Arial"), kPrintFontSize);
            pPrintData->SetColour(colour);
            break;
        case PrintedPage::Equip:
            // Printed with whatever fonts and colour the last print left.
            PrepareHtmlEquip(zav::OutputTarget::WindowOrPrinter);
            break;
    }
}

void wxZAVFrame::PrintPage(PrintedPage kind) {
    if (!RequireSheet()) return;
    PreparePrintedPage(kind);
    pHtmlPrinting->PrintText(FromCore(wxsHtmlPage), PrintBaseFolder());
}

void wxZAVFrame::OnPrintSetup(wxCommandEvent&) {
    pHtmlPrinting->PageSetup();
    pPrintData = pHtmlPrinting->GetPrintData();
}

void wxZAVFrame::OnPrint(wxCommandEvent&) {
    PrintPage(PrintedPage::Sheet);
}
void wxZAVFrame::OnPrintStaff(wxCommandEvent&) {
    PrintPage(PrintedPage::Staff);
}
void wxZAVFrame::OnPrintEquip(wxCommandEvent&) {
    PrintPage(PrintedPage::Equip);
}

// One game per page, in portrait; the orientation goes back to landscape
// whether or not the user printed. The pictures are files of the program's
// folder, so they are looked for there even when a logo folder is set.
void wxZAVFrame::OnPrintPlacement(wxCommandEvent&) {
    if (!RequireSheet()) return;
    pPrintData->SetOrientation(wxPORTRAIT);
    wxsHtmlPage = zav::PrintHtmlPlacementDocument(sheet, wxLanguage);
    pHtmlPrinting->PrintText(FromCore(wxsHtmlPage), context_.programDir);
    pPrintData->SetOrientation(wxLANDSCAPE);
}

wxString wxZAVFrame::ChooseExportFile(zav::TextId caption, const wxString& proposedName,
                                      zav::TextId filter) {
    wxFileDialog dialog(this, Tx(caption), wxEmptyString, proposedName, Tx(filter),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxsDlgFullPath = dialog.GetPath();
    wxsDlgFileName = wxFileName(wxsDlgFullPath).GetFullName();
    return wxsDlgFullPath;
}

void wxZAVFrame::OnExportHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    const wxString path = ChooseExportFile(zav::TextId::MenuExportSheetHtml,
                                           ExportStem(wxsDlgFileName), zav::TextId::HtmlFilter);
    if (!path.empty()) SaveHtmlSheet(path);
}

void wxZAVFrame::OnExportStaffHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    // The staff and equipment choosers have always borne the caption of the
    // menu item above theirs.
    const wxString path = ChooseExportFile(zav::TextId::MenuExportSheetHtml,
                                           ExportStem(wxsDlgFileName), zav::TextId::HtmlFilter);
    if (!path.empty()) SaveHtmlStaff(path);
}

void wxZAVFrame::OnExportEquipHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    const wxString path =
        ChooseExportFile(zav::TextId::MenuExportStaffHtml,
                         ExportStem(wxsDlgFileName) + wxS("_equip"), zav::TextId::HtmlFilter);
    if (!path.empty()) SaveHtmlEquip(path);
}

int wxZAVFrame::SaveHtmlSheet(const wxString& path) {
    return WriteExport(path, [this] { PrepareHtml(zav::OutputTarget::File, false); });
}

int wxZAVFrame::SaveHtmlStaff(const wxString& path) {
    return WriteExport(path, [this] { PrepareHtmlStaff(zav::OutputTarget::File); });
}

int wxZAVFrame::SaveHtmlEquip(const wxString& path) {
    return WriteExport(path, [this] { PrepareHtmlEquip(zav::OutputTarget::File); });
}

// The page and its logo go out as the core's export writes them.
int wxZAVFrame::WriteExport(const wxString& path, const std::function<void()>& buildPage) {
    buildPage();
    return zav::ExportPage(wxsHtmlPage, ToCore(path), zav::ReadPageStyle(AppSettings()),
                           Reporter()) == zav::ExportResult::PageFailed
               ? 1
               : 0;
}

void wxZAVFrame::ExportPdfCommand(PrintedPage kind, zav::TextId caption,
                                  const wxString& proposedStem) {
    if (!RequireSheet()) return;
    const wxString chosen =
        ChooseExportFile(caption, proposedStem + wxS(".pdf"), zav::TextId::PdfFilter);
    if (chosen.empty()) return;
    wxFileName name(chosen);
    if (!name.HasExt()) name.SetExt(wxS("pdf"));
    ExportPdf(kind, name.GetFullPath());
}

bool wxZAVFrame::ExportPdf(PrintedPage kind, const wxString& path) {
    PreparePrintedPage(kind);
    if (pHtmlPrinting->ExportPdf(FromCore(wxsHtmlPage), PrintBaseFolder(), path)) return true;
    Inform(TxFormat(wxLanguage, zav::TextId::PdfFailed, path));
    return false;
}

void wxZAVFrame::OnExportPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Sheet, zav::TextId::ExportPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportStaffPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Staff, zav::TextId::ExportStaffPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportEquipPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Equip, zav::TextId::ExportEquipPdf,
                     ExportStem(wxsDlgFileName) + wxS("_equip"));
}
