// Printing, page setup, and export of the pages to HTML and PDF files.
#include <wx/file.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "frame/ZAVFrame.h"
#include "printing/ExportNames.h"
#include "printing/SheetPrinting.h"
#include "report/PageBytes.h"
#include "report/PageStyle.h"
#include "report/PlacementPage.h"
#include "sheetfile/SafeFile.h"
#include "texts/DialogTexts.h"

using namespace zavgui;

namespace {

// The most a logo may weigh: a page header picture, not a photograph.
constexpr wxFileOffset kMaxLogoBytes = 32000;

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
            const bool crowded = wxLanguage == zav::kLangGerman && sheet.iGamesNr > 10;
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
    return WriteExport(path, [this] { PrepareHtml(zav::OutputTarget::File, false); });
}

int wxZAVFrame::SaveHtmlStaff(const wxString& path) {
    return WriteExport(path, [this] { PrepareHtmlStaff(zav::OutputTarget::File); });
}

int wxZAVFrame::SaveHtmlEquip(const wxString& path) {
    return WriteExport(path, [this] { PrepareHtmlEquip(zav::OutputTarget::File); });
}

// The page goes out as the bytes its head declares, replacing an earlier
// export only once completely written; the logo is copied beside it so that
// the two can be moved together.
int wxZAVFrame::WriteExport(const wxString& path, const std::function<void()>& buildPage) {
    buildPage();
    if (zav::WriteWholeFile(ToCore(path), zav::EncodePageBytes(wxsHtmlPage), wxLanguage,
                            messages_) != 0)
        return 1;
    CopyLogo(path);
    return 0;
}

bool wxZAVFrame::CopyLogo(const wxString& path) {
    const zav::Settings settings = AppSettings();
    const wxString logoPath = FromCore(settings.GetString(zav::SettingKey::LogoPath));
    if (logoPath.empty()) return true;
    const wxString logoName = FromCore(settings.GetString(zav::SettingKey::LogoName));
    const wxString source = logoPath + wxFILE_SEP_PATH + logoName;

    wxFile in;
    if (!wxFileExists(source) || !in.Open(source)) {
        Inform(TxFormat(wxLanguage, zav::txt::kErrorOpening, source));
        return false;
    }
    const wxFileOffset length = in.Length();
    if (length > kMaxLogoBytes) {
        Inform(TxFormat(wxLanguage, zav::txt::kFileTooLong, static_cast<long>(length)));
        return false;
    }
    std::string bytes(static_cast<size_t>(length), '\0');
    if (in.Read(bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        Inform(TxFormat(wxLanguage, zav::txt::kErrorOpening, source));
        return false;
    }
    in.Close();

    const wxString target = wxFileName(path).GetPathWithSep() + logoName;
    if (logoName.empty()) {
        Inform(TxFormat(wxLanguage, zav::txt::kErrorCreating, target));
        return false;
    }
    return zav::WriteWholeFile(ToCore(target), bytes, wxLanguage, messages_) == 0;
}

void wxZAVFrame::ExportPdfCommand(PrintedPage kind, int captionOffset,
                                  const wxString& proposedStem) {
    if (!RequireSheet()) return;
    const wxString chosen =
        ChooseExportFile(captionOffset, proposedStem + wxS(".pdf"), zav::dlg::kPdfFilter);
    if (chosen.empty()) return;
    wxFileName name(chosen);
    if (!name.HasExt()) name.SetExt(wxS("pdf"));
    ExportPdf(kind, name.GetFullPath());
}

bool wxZAVFrame::ExportPdf(PrintedPage kind, const wxString& path) {
    PreparePrintedPage(kind);
    if (pHtmlPrinting->ExportPdf(FromCore(wxsHtmlPage), PrintBaseFolder(), path)) return true;
    Inform(TxFormat(wxLanguage, zav::dlg::kPdfFailed, path));
    return false;
}

void wxZAVFrame::OnExportPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Sheet, zav::dlg::kExportPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportStaffPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Staff, zav::dlg::kExportStaffPdf, ExportStem(wxsDlgFileName));
}

void wxZAVFrame::OnExportEquipPDF(wxCommandEvent&) {
    ExportPdfCommand(PrintedPage::Equip, zav::dlg::kExportEquipPdf,
                     ExportStem(wxsDlgFileName) + wxS("_equip"));
}
