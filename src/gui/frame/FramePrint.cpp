// Printing, page setup, and export of the pages to HTML and PDF files.
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "frame/ZAVFrame.h"
#include "printing/ExportNames.h"
#include "texts/DialogTexts.h"

using namespace zavgui;

void wxZAVFrame::PrintPage(PageKind kind) {
    if (!RequireSheet()) return;
    printing_->Print(kind, pages_->Page(kind, PageUse::Printer));
}

void wxZAVFrame::OnPrintSetup(wxCommandEvent&) {
    printing_->PageSetup();
}

void wxZAVFrame::OnPrint(wxCommandEvent&) {
    PrintPage(PageKind::Sheet);
}
void wxZAVFrame::OnPrintStaff(wxCommandEvent&) {
    PrintPage(PageKind::Staff);
}
void wxZAVFrame::OnPrintEquip(wxCommandEvent&) {
    PrintPage(PageKind::Equipment);
}
void wxZAVFrame::OnPrintPlacement(wxCommandEvent&) {
    PrintPage(PageKind::Placement);
}

wxString wxZAVFrame::ChooseExportFile(int captionOffset, const wxString& proposedName,
                                      int filterOffset) {
    wxFileDialog dialog(this, Tx(captionOffset), wxEmptyString, proposedName, Tx(filterOffset),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    wxsDlgFullPath = dialog.GetPath();
    wxsDlgFileName = wxFileName(wxsDlgFullPath).GetFullName();
    return wxsDlgFullPath;
}

void wxZAVFrame::OnExportHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    const wxString path = ChooseExportFile(7, ExportStem(wxsDlgFileName), 106);
    if (!path.empty()) SaveHtmlSheet(path);
}

void wxZAVFrame::OnExportStaffHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    const wxString path = ChooseExportFile(7, ExportStem(wxsDlgFileName), 106);
    if (!path.empty()) SaveHtmlStaff(path);
}

void wxZAVFrame::OnExportEquipHTML(wxCommandEvent&) {
    if (!RequireSheet()) return;
    const wxString path = ChooseExportFile(9, ExportStem(wxsDlgFileName) + wxS("_equip"), 106);
    if (!path.empty()) SaveHtmlEquip(path);
}

int wxZAVFrame::SaveHtmlSheet(const wxString& path) {
    return printing_->SaveHtmlPage(pages_->Page(PageKind::Sheet, PageUse::File), path) ? 0 : 1;
}

int wxZAVFrame::SaveHtmlStaff(const wxString& path) {
    return printing_->SaveHtmlPage(pages_->Page(PageKind::Staff, PageUse::File), path) ? 0 : 1;
}

int wxZAVFrame::SaveHtmlEquip(const wxString& path) {
    return printing_->SaveHtmlPage(pages_->Page(PageKind::Equipment, PageUse::File), path) ? 0 : 1;
}

void wxZAVFrame::ExportPdfCommand(PageKind kind, int captionOffset, const wxString& proposedStem) {
    if (!RequireSheet()) return;
    const wxString chosen =
        ChooseExportFile(captionOffset, proposedStem + wxS(".pdf"), zav::dlg::kPdfFilter);
    if (chosen.empty()) return;
    wxFileName name(chosen);
    if (!name.HasExt()) name.SetExt(wxS("pdf"));
    ExportPdf(kind, name.GetFullPath());
}

bool wxZAVFrame::ExportPdf(PageKind kind, const wxString& path) {
    return printing_->ExportPdf(kind, pages_->Page(kind, PageUse::Printer), path);
}

void wxZAVFrame::OnExportPDF(wxCommandEvent&) {
    ExportPdfCommand(PageKind::Sheet, zav::dlg::kExportPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportStaffPDF(wxCommandEvent&) {
    ExportPdfCommand(PageKind::Staff, zav::dlg::kExportStaffPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportEquipPDF(wxCommandEvent&) {
    ExportPdfCommand(PageKind::Equipment, zav::dlg::kExportEquipPdf,
                     ExportStem(wxsDlgFileName) + wxS("_equip"));
}
