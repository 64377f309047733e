#include "printing/SheetPrinting.h"

#include <gtk/gtk.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/gtk/print.h>
#include <wx/log.h>
#include <wx/print.h>

#include <filesystem>
#include <system_error>

namespace zavgui {

namespace {

struct PrinterDCAccess : wxGtkPrinterDCImpl {
    // The print data of the DC, which wx keeps to itself.
    static constexpr auto printData = &PrinterDCAccess::GetPrintData;
};

// Where GTK and wx disagree about the origin of a printed page, in printer
// pixels. GTK puts the origin at the corner of the printable area, rotated
// with the paper: in landscape the printer's bottom margin comes to the left
// and its left margin to the top. wx moves the origin back by the left and
// top margins as if the paper were upright, so a landscape page drifts right
// by the difference and loses its right edge.
wxPoint LandscapeOriginError(wxPrinterDC& printer) {
    auto* impl = wxDynamicCast(printer.GetImpl(), wxGtkPrinterDCImpl);
    if (!impl) return {};
    auto* native =
        static_cast<wxGtkPrintNativeData*>((impl->*PrinterDCAccess::printData)().GetNativeData());
    GtkPrintContext* context = native ? native->GetPrintContext() : nullptr;
    GtkPageSetup* setup = context ? gtk_print_context_get_page_setup(context) : nullptr;
    if (!setup || gtk_page_setup_get_orientation(setup) != GTK_PAGE_ORIENTATION_LANDSCAPE)
        return {};
    const double left = gtk_page_setup_get_left_margin(setup, GTK_UNIT_POINTS);
    const double top = gtk_page_setup_get_top_margin(setup, GTK_UNIT_POINTS);
    const double bottom = gtk_page_setup_get_bottom_margin(setup, GTK_UNIT_POINTS);
    const double pixelsPerPoint = printer.GetPPI().x / 72.0;
    return wxPoint(static_cast<int>((bottom - left) * pixelsPerPoint),
                   static_cast<int>((left - top) * pixelsPerPoint));
}

}  // namespace

template <class Step>
void GcdcHtmlPrintout::WithGraphicsDC(Step step) {
    wxDC* original = GetDC();
    std::unique_ptr<wxGCDC> graphics;
    wxPoint originError;
    if (auto* printer = wxDynamicCast(original, wxPrinterDC)) {
        graphics = std::make_unique<wxGCDC>(*printer);
        originError = LandscapeOriginError(*printer);
    } else if (auto* memory = wxDynamicCast(original, wxMemoryDC)) {
        graphics = std::make_unique<wxGCDC>(*memory);
    }
    if (graphics) {
        graphics->SetDeviceOrigin(-originError.x, -originError.y);
        graphics->SetUserScale(shrink_, shrink_);
        SetDC(graphics.get());
    }
    step();
    SetDC(original);
}

// The layout is done once at the paper's size; when it comes out wider, it is
// done again on a page as much larger, which the DC then draws smaller, so
// that margins and proportions stay those of the paper.
void GcdcHtmlPrintout::OnPreparePrinting() {
    shrink_ = 1.0;
    WithGraphicsDC([this] { wxHtmlPrintout::OnPreparePrinting(); });
    if (docArea_.x <= pageArea_.x || pageArea_.x <= 0) return;

    shrink_ = static_cast<double>(pageArea_.x) / docArea_.x;
    int width = 0, height = 0;
    GetPageSizePixels(&width, &height);
    SetPageSizePixels(static_cast<int>(width / shrink_), static_cast<int>(height / shrink_));
    WithGraphicsDC([this] { wxHtmlPrintout::OnPreparePrinting(); });
}

// Called by the layout: what does not fit is shrunk, never cut off, so there
// is nothing to ask the user.
bool GcdcHtmlPrintout::CheckFit(const wxSize& pageArea, const wxSize& docArea) const {
    pageArea_ = pageArea;
    docArea_ = docArea;
    return true;
}

bool GcdcHtmlPrintout::OnPrintPage(int page) {
    bool printed = false;
    auto* memory = wxDynamicCast(GetDC(), wxMemoryDC);
    if (!greyPictures_ || !memory) {
        WithGraphicsDC([&] { printed = wxHtmlPrintout::OnPrintPage(page); });
        return printed;
    }
    // Drawn in colour on a picture of its own, then in grey onto the page's
    // picture: once a graphics context has drawn on a memory DC, the DC's
    // own drawing no longer reaches the picture.
    wxBitmap colour(memory->GetSize());
    {
        wxMemoryDC colourDC(colour);
        colourDC.SetBackground(*wxWHITE_BRUSH);
        colourDC.Clear();
        SetDC(&colourDC);
        WithGraphicsDC([&] { printed = wxHtmlPrintout::OnPrintPage(page); });
        SetDC(memory);
    }
    memory->DrawBitmap(wxBitmap(colour.ConvertToImage().ConvertToGreyscale()), 0, 0);
    return printed;
}

// wxHtmlPrintout reports page 1 alone until it has laid out its pages, and
// wxGTK fixes the print dialog's range to that.
void GcdcHtmlPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
    if (HasPage(1)) {
        wxHtmlPrintout::GetPageInfo(minPage, maxPage, selPageFrom, selPageTo);
        return;
    }
    *minPage = 1;
    *maxPage = 0;
    *selPageFrom = 0;
    *selPageTo = 0;
}

ZavHtmlEasyPrinting::ZavHtmlEasyPrinting(const wxString& name, wxWindow* parentWindow)
    : wxHtmlEasyPrinting(name, parentWindow) {}

void ZavHtmlEasyPrinting::SetPrintFonts(const wxString& normalFace, int size) {
    Fonts fonts{normalFace, {}};
    for (int& s : fonts.sizes) s = size;
    fonts_ = fonts;
    SetFonts(fonts_->normalFace, wxEmptyString, fonts_->sizes);
}

wxHtmlPrintout* ZavHtmlEasyPrinting::CreatePrintout() {
    auto* printout = new GcdcHtmlPrintout(GetName());
    if (fonts_) printout->SetFonts(fonts_->normalFace, wxEmptyString, fonts_->sizes);
    printout->SetMargins(*GetPageSetupData());
    printout->SetGreyPictures(!GetPrintData()->GetColour());
    return printout;
}

namespace {

// The HTML engine starts a new page only at a break written without the
// trailing semicolon; the placement document writes its breaks with it.
wxString WithBreaksTheEngineKnows(wxString html) {
    html.Replace(wxS("\"page-break-before:always;\""), wxS("\"page-break-before:always\""));
    return html;
}

}  // namespace

std::unique_ptr<wxHtmlPrintout> ZavHtmlEasyPrinting::MakePrintout(const wxString& html,
                                                                  const wxString& basePath) {
    std::unique_ptr<wxHtmlPrintout> printout(CreatePrintout());
    printout->SetHtmlText(WithBreaksTheEngineKnows(html), basePath, true);
    return printout;
}

PrintOutcome ZavHtmlEasyPrinting::Print(const wxString& html, const wxString& basePath) {
    return PrintThroughDialog(GetParentWindow(), *MakePrintout(html, basePath), *GetPrintData(),
                              fileTarget_);
}

namespace {

// Its Print button prints as the print commands do, failures told.
class DialogPrintPreview : public wxPrintPreview {
public:
    DialogPrintPreview(wxPrintout* preview, wxPrintout* print, wxPrintDialogData* data,
                       wxString fileTarget, std::function<void(const wxString&)> onFailure)
        : wxPrintPreview(preview, print, data),
          fileTarget_(std::move(fileTarget)),
          onFailure_(std::move(onFailure)) {}

    bool Print(bool) override {
        const PrintOutcome outcome =
            PrintThroughDialog(GetFrame(), *GetPrintoutForPrinting(),
                               GetPrintDialogData().GetPrintData(), fileTarget_);
        if (outcome.result == PrintOutcome::Result::Failed) onFailure_(outcome.reason);
        return outcome.result == PrintOutcome::Result::Printed;
    }

private:
    wxString fileTarget_;
    std::function<void(const wxString&)> onFailure_;
};

}  // namespace

wxPrintPreview* ZavHtmlEasyPrinting::Preview(const wxString& html, const wxString& basePath,
                                             wxWindow* parent, const wxString& title,
                                             std::function<void(const wxString&)> onFailure) {
    wxPrintDialogData printDialogData(*GetPrintData());
    auto* preview = new DialogPrintPreview(MakePrintout(html, basePath).release(),
                                           MakePrintout(html, basePath).release(), &printDialogData,
                                           fileTarget_, std::move(onFailure));
    if (!preview->IsOk()) {
        delete preview;
        return nullptr;
    }
    // Over the window it previews, as large: a page needs the room.
    const wxRect area = parent ? parent->GetScreenRect() : wxRect(0, 0, 1024, 768);
    auto* frame = new wxPreviewFrame(preview, parent, title, area.GetPosition(), area.GetSize());
    frame->Initialize();
    frame->Show(true);
    return preview;
}

namespace {

// GTK drives wx's own GTK printer through these callbacks, as it does when
// printing through the print dialog.
struct ExportRun {
    wxGtkPrinter* printer;
    wxPrintout* printout;
};

void BeginPrint(GtkPrintOperation* operation, GtkPrintContext* context, gpointer data) {
    auto* run = static_cast<ExportRun*>(data);
    run->printer->BeginPrint(run->printout, operation, context);
}

void DrawPage(GtkPrintOperation* operation, GtkPrintContext* context, gint page, gpointer data) {
    auto* run = static_cast<ExportRun*>(data);
    run->printer->DrawPage(run->printout, operation, context, page);
}

void EndPrint(GtkPrintOperation*, GtkPrintContext*, gpointer data) {
    static_cast<ExportRun*>(data)->printout->OnEndPrinting();
}

void ConnectRun(GtkPrintOperation* operation, ExportRun& run) {
    g_signal_connect(operation, "begin-print", G_CALLBACK(BeginPrint), &run);
    g_signal_connect(operation, "draw-page", G_CALLBACK(DrawPage), &run);
    g_signal_connect(operation, "end-print", G_CALLBACK(EndPrint), &run);
}

}  // namespace

// What wx's GTK printer does, with two differences: the file target is
// proposed, and GTK's reason for a failure is kept. wx logs that reason
// through a narrow string, which under the C locale loses any message with a
// character beyond ASCII, such as GTK's quotes around a file name: the user
// saw "Error while printing:" and nothing more.
PrintOutcome PrintThroughDialog(wxWindow* parent, wxPrintout& printout, wxPrintData& printData,
                                const wxString& fileTarget) {
    // The number of pages is known once the dialog has been answered.
    wxPrintDialogData dialogData(printData);
    dialogData.SetMinPage(1);
    dialogData.SetMaxPage(9999);
    dialogData.SetAllPages(true);
    wxGtkPrinter printer(&dialogData);
    wxPrintData data = printer.GetPrintDialogData().GetPrintData();
    data.ConvertToNative();
    auto* native = static_cast<wxGtkPrintNativeData*>(data.GetNativeData());
    if (!fileTarget.empty()) {
        if (gchar* uri = g_filename_to_uri(fileTarget.utf8_str(), nullptr, nullptr)) {
            gtk_print_settings_set(native->GetPrintConfig(), GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
            g_free(uri);
        }
    }

    // Makes the print operation, which the printer's drawing then uses.
    wxGtkPrintDialog dialog(parent, &printer.GetPrintDialogData());
    GtkPrintOperation* operation = native->GetPrintJob();
    ExportRun run{&printer, &printout};
    ConnectRun(operation, run);
    int answer = wxID_CANCEL;
    {
        wxLogNull reasonTold;  // below, whole
        answer = dialog.ShowModal();
    }
    printout.SetDC(nullptr);

    PrintOutcome outcome;
    if (answer == wxID_OK) {
        outcome.result = PrintOutcome::Result::Printed;
        printData = dialog.GetPrintDialogData().GetPrintData();
    } else if (answer != wxID_CANCEL) {
        outcome.result = PrintOutcome::Result::Failed;
        GError* error = nullptr;
        gtk_print_operation_get_error(operation, &error);
        if (error) {
            outcome.reason = wxString::FromUTF8(error->message);
            g_error_free(error);
        }
    }
    return outcome;
}

bool ZavHtmlEasyPrinting::ExportPdf(const wxString& html, const wxString& basePath,
                                    const wxString& pdfPath) {
    const std::filesystem::path target(pdfPath.utf8_string());
    std::unique_ptr<wxHtmlPrintout> printout = MakePrintout(html, basePath);
    wxPrintDialogData dialogData(*GetPrintData());
    wxGtkPrinter printer(&dialogData);
    wxPrintData& printData = printer.GetPrintDialogData().GetPrintData();
    printData.ConvertToNative();
    auto* native = static_cast<wxGtkPrintNativeData*>(printData.GetNativeData());

    GtkPrintOperation* operation = gtk_print_operation_new();
    native->SetPrintJob(operation);
    gtk_print_operation_set_print_settings(operation, native->GetPrintConfig());

    GtkPageSetup* pageSetup = gtk_page_setup_new();
    gtk_page_setup_set_orientation(pageSetup, printData.GetOrientation() == wxLANDSCAPE
                                                  ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                  : GTK_PAGE_ORIENTATION_PORTRAIT);
    if (GtkPaperSize* paper = gtk_print_settings_get_paper_size(native->GetPrintConfig())) {
        gtk_page_setup_set_paper_size(pageSetup, paper);
        gtk_paper_size_free(paper);
    }
    gtk_print_operation_set_default_page_setup(operation, pageSetup);
    gtk_print_operation_set_export_filename(operation, pdfPath.utf8_str());

    ExportRun run{&printer, printout.get()};
    ConnectRun(operation, run);

    GError* error = nullptr;
    const GtkPrintOperationResult result =
        gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_EXPORT, nullptr, &error);
    if (error) g_error_free(error);
    native->SetPrintJob(nullptr);
    g_object_unref(pageSetup);
    g_object_unref(operation);
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(target, sizeError);
    return result == GTK_PRINT_OPERATION_RESULT_APPLY && !sizeError && size > 0;
}

}  // namespace zavgui
