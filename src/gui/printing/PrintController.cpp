#include "printing/PrintController.h"

#include <wx/file.h>
#include <wx/filename.h>

#include "printing/SheetPrinting.h"
#include "report/PageBytes.h"
#include "sheetfile/SafeFile.h"
#include "support/GuiText.h"
#include "texts/DialogTexts.h"

namespace zavgui {

namespace {

// The most a logo may weigh: a page header picture, not a photograph.
constexpr wxFileOffset kMaxLogoBytes = 32000;

constexpr int kPrintFontSize = 10;
// A German sheet of 11 or 12 games: the long German game names keep within
// the page.
constexpr int kSmallPrintFontSize = 8;

}  // namespace

PrintController::PrintController(const zav::ScoreSheet& sheet, const wxString& programDir,
                                 zav::Settings settings, int wxLanguage, zav::MessageSink& messages)
    : sheet_(sheet),
      programDir_(programDir),
      settings_(std::move(settings)),
      wxLanguage_(wxLanguage),
      messages_(messages),
      printing_(std::make_unique<ZavHtmlEasyPrinting>(wxString(), nullptr)) {
    printing_->GetPrintData()->SetOrientation(wxLANDSCAPE);
    wxPageSetupDialogData* setup = printing_->GetPageSetupData();
    setup->SetMarginTopLeft(wxPoint(10, 10));
    setup->SetMarginBottomRight(wxPoint(10, 10));
}

PrintController::~PrintController() = default;

const wxPrintData& PrintController::PrintData() const {
    return *printing_->GetPrintData();
}

const wxPageSetupDialogData& PrintController::PageSetupData() const {
    return *printing_->GetPageSetupData();
}

void PrintController::PageSetup() {
    printing_->PageSetup();
}

// The equipment list and the placement document print with whatever fonts
// and colour the last print left.
void PrintController::SetFontsAndColour(PageKind kind) {
    const bool colour = settings_.GetInt(zav::SettingKey::BWOnly) != 1;
    switch (kind) {
        case PageKind::Sheet: {
            const bool crowded = wxLanguage_ == zav::kLangGerman && sheet_.iGamesNr > 10;
            printing_->SetPrintFonts(wxS("Arial"), crowded ? kSmallPrintFontSize : kPrintFontSize);
            printing_->GetPrintData()->SetColour(colour);
            break;
        }
        case PageKind::Staff:
            printing_->SetPrintFonts(wxS("Arial"), kPrintFontSize);
            printing_->GetPrintData()->SetColour(colour);
            break;
        case PageKind::Equipment:
        case PageKind::Placement: break;
    }
}

// Relative references of a printed page are resolved in the logo's folder,
// or in the program's folder when there is no logo.
wxString PrintController::BaseFolder() const {
    const wxString logoPath = FromCore(settings_.GetString(zav::SettingKey::LogoPath));
    return logoPath.empty() ? programDir_ : logoPath;
}

// The placement pictures are files of the program's folder, so they are
// looked for there even when a logo folder is set.
void PrintController::Print(PageKind kind, const std::string& page) {
    if (kind == PageKind::Placement) {
        printing_->GetPrintData()->SetOrientation(wxPORTRAIT);
        printing_->PrintText(FromCore(page), programDir_);
        printing_->GetPrintData()->SetOrientation(wxLANDSCAPE);
        return;
    }
    SetFontsAndColour(kind);
    printing_->PrintText(FromCore(page), BaseFolder());
}

bool PrintController::ExportPdf(PageKind kind, const std::string& page, const wxString& path) {
    SetFontsAndColour(kind);
    if (printing_->ExportPdf(FromCore(page), BaseFolder(), path)) return true;
    Inform(TxFormat(wxLanguage_, zav::dlg::kPdfFailed, path));
    return false;
}

bool PrintController::SaveHtmlPage(const std::string& page, const wxString& path) {
    if (zav::WriteWholeFile(ToCore(path), zav::EncodePageBytes(page), wxLanguage_, messages_) != 0)
        return false;
    CopyLogo(path);
    return true;
}

void PrintController::CopyLogo(const wxString& path) {
    const wxString logoPath = FromCore(settings_.GetString(zav::SettingKey::LogoPath));
    if (logoPath.empty()) return;
    const wxString logoName = FromCore(settings_.GetString(zav::SettingKey::LogoName));
    const wxString source = logoPath + wxFILE_SEP_PATH + logoName;

    wxFile in;
    if (!wxFileExists(source) || !in.Open(source)) {
        Inform(TxFormat(wxLanguage_, zav::txt::kErrorOpening, source));
        return;
    }
    const wxFileOffset length = in.Length();
    if (length > kMaxLogoBytes) {
        Inform(TxFormat(wxLanguage_, zav::txt::kFileTooLong, static_cast<long>(length)));
        return;
    }
    std::string bytes(static_cast<size_t>(length), '\0');
    if (in.Read(bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        Inform(TxFormat(wxLanguage_, zav::txt::kErrorOpening, source));
        return;
    }
    in.Close();

    const wxString target = wxFileName(path).GetPathWithSep() + logoName;
    if (logoName.empty()) {
        Inform(TxFormat(wxLanguage_, zav::txt::kErrorCreating, target));
        return;
    }
    // A failure is reported by the writer; the page stays written.
    (void)zav::WriteWholeFile(ToCore(target), bytes, wxLanguage_, messages_);
}

void PrintController::Inform(const wxString& text) {
    messages_.ShowMessage(ToCore(text), zav::MessageIcon::Information);
}

}  // namespace zavgui
