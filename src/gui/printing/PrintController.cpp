#include "printing/PrintController.h"

#include <wx/print.h>

#include "io/FileWrite.h"
#include "platform/ToolkitPlatform.h"
#include "printing/SheetPrinting.h"
#include "report/PageExport.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {

constexpr int kPrintFontSize = 10;
// A German sheet of 11 or 12 games: the long German game names keep within
// the page.
constexpr int kSmallPrintFontSize = 8;
constexpr int kCardFontSize = 16;

}  // namespace

PrintController::PrintController(const zav::ScoreSheet& sheet, const wxString& programDir,
                                 zav::Settings settings, const zav::Reporter& reporter)
    : sheet_(sheet),
      programDir_(programDir),
      settings_(std::move(settings)),
      reporter_(reporter),
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
            const bool crowded =
                reporter_.GetLanguage() == zav::Language::German && sheet_.iGamesNr > 10;
            printing_->SetPrintFonts(wxS("Arial"), crowded ? kSmallPrintFontSize : kPrintFontSize);
            printing_->GetPrintData()->SetColour(colour);
            break;
        }
        case PageKind::Staff:
        case PageKind::Championship:
            printing_->SetPrintFonts(wxS("Arial"), kPrintFontSize);
            printing_->GetPrintData()->SetColour(colour);
            break;
        case PageKind::JudgeCard:
            // Read at arm's length at the finish line.
            printing_->SetGradedPrintFonts(wxS("Arial"), kCardFontSize);
            break;
        case PageKind::Equipment:
        case PageKind::Placement: break;
    }
}

// Relative references of a printed page are resolved in the logo's folder,
// or in the program's folder when there is no logo. The placement pictures
// are files of the program's folder, so they are looked for there even when
// a logo folder is set.
wxString PrintController::BaseFolder(PageKind kind) const {
    const wxString logoPath = FromCore(settings_.GetString(zav::SettingKey::LogoPath));
    return logoPath.empty() || kind == PageKind::Placement || kind == PageKind::JudgeCard
               ? programDir_
               : logoPath;
}

// The placement document and the judge's card print in portrait; the
// orientation the user chose comes back afterwards, printed or not.
template <class Job>
auto PrintController::WithPageSettings(PageKind kind, Job job) {
    SetFontsAndColour(kind);
    wxPrintData& printData = *printing_->GetPrintData();
    const wxPrintOrientation chosen = printData.GetOrientation();
    const bool portrait = kind == PageKind::Placement || kind == PageKind::JudgeCard;
    if (portrait) printData.SetOrientation(wxPORTRAIT);
    const auto result = job(BaseFolder(kind));
    if (portrait) printing_->GetPrintData()->SetOrientation(chosen);
    return result;
}

void PrintController::ReportPrintFailure(const wxString& reason) const {
    reporter_.Show(zav::MessageIcon::Error, zav::TextId::PrintFailed,
                   reason.empty() ? zav::Text(reporter_.GetLanguage(), zav::TextId::NoReasonGiven)
                                  : ToCore(reason));
}

void PrintController::Print(PageKind kind, const std::string& page, const wxString& fileTarget) {
    printing_->SetFileTarget(fileTarget);
    const PrintOutcome outcome = WithPageSettings(
        kind, [&](const wxString& base) { return printing_->Print(FromCore(page), base); });
    if (outcome.result == PrintOutcome::Result::Failed) ReportPrintFailure(outcome.reason);
}

wxPrintPreview* PrintController::Preview(PageKind kind, const std::string& page, wxWindow* parent,
                                         const wxString& fileTarget) {
    printing_->SetFileTarget(fileTarget);
    wxPrintPreview* preview = WithPageSettings(kind, [&](const wxString& base) {
        return printing_->Preview(FromCore(page), base, parent,
                                  Tx(reporter_.GetLanguage(), zav::TextId::PrintPreview),
                                  [this](const wxString& reason) { ReportPrintFailure(reason); });
    });
    if (!preview)
        reporter_.Show(zav::MessageIcon::Information,
                       HasPrinter() ? zav::TextId::PreviewFailed : zav::TextId::PreviewNoPrinter);
    return preview;
}

// Written beside the target and put in its place only when complete, as
// every file the program writes: a failed export keeps the previous PDF.
bool PrintController::ExportPdf(PageKind kind, const std::string& page,
                                const std::function<wxString()>& choosePath) {
    if (!CanWritePdf()) {
        reporter_.Show(zav::MessageIcon::Information, zav::TextId::PdfPrinterMissing);
        return false;
    }
    const wxString path = choosePath();
    if (path.empty()) return false;
    const zav::ReplaceResult result = WithPageSettings(kind, [&](const wxString& base) {
        return zav::ReplaceFileBy(ToCore(path), [&](const std::string& newFile) {
            return printing_->ExportPdf(FromCore(page), base, FromCore(newFile));
        });
    });
    if (result != zav::ReplaceResult::WriteFailed)
        return zav::ReportWrite(result, ToCore(path), reporter_);
    reporter_.Show(zav::MessageIcon::Information, zav::TextId::PdfFailed, ToCore(path));
    return false;
}

bool PrintController::SaveHtmlPage(const std::string& page, const wxString& path) {
    return zav::ExportPage(page, ToCore(path), zav::ReadPageStyle(settings_), reporter_) !=
           zav::ExportResult::PageFailed;
}

}  // namespace zavgui
