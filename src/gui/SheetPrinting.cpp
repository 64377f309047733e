#include "SheetPrinting.h"

#include <gtk/gtk.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/gtk/print.h>

#include <filesystem>
#include <system_error>

namespace zavgui {

template <class Step>
void GcdcHtmlPrintout::WithGraphicsDC(Step step) {
    wxDC* original = GetDC();
    std::unique_ptr<wxGCDC> graphics;
    if (auto* printer = wxDynamicCast(original, wxPrinterDC))
        graphics = std::make_unique<wxGCDC>(*printer);
    else if (auto* memory = wxDynamicCast(original, wxMemoryDC))
        graphics = std::make_unique<wxGCDC>(*memory);
    if (graphics) {
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
    WithGraphicsDC([&] { printed = wxHtmlPrintout::OnPrintPage(page); });
    return printed;
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
    return printout;
}

std::unique_ptr<wxHtmlPrintout> ZavHtmlEasyPrinting::MakePrintout(const wxString& html,
                                                                  const wxString& basePath) {
    std::unique_ptr<wxHtmlPrintout> printout(CreatePrintout());
    printout->SetHtmlText(html, basePath, true);
    return printout;
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

}  // namespace

bool ZavHtmlEasyPrinting::ExportPdf(const wxString& html, const wxString& basePath,
                                    const wxString& pdfPath) {
    // A file left from before must not pass for this export's result.
    std::error_code ignored;
    const std::filesystem::path target(pdfPath.utf8_string());
    std::filesystem::remove(target, ignored);

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
    // No printer margins: the printout's own margins count from the paper's
    // edge (with GTK's default ones, wx shifts landscape pages to the right).
    for (auto setMargin : {gtk_page_setup_set_top_margin, gtk_page_setup_set_bottom_margin,
                           gtk_page_setup_set_left_margin, gtk_page_setup_set_right_margin})
        setMargin(pageSetup, 0, GTK_UNIT_POINTS);
    gtk_print_operation_set_default_page_setup(operation, pageSetup);
    gtk_print_operation_set_export_filename(operation, pdfPath.utf8_str());

    ExportRun run{&printer, printout.get()};
    g_signal_connect(operation, "begin-print", G_CALLBACK(BeginPrint), &run);
    g_signal_connect(operation, "draw-page", G_CALLBACK(DrawPage), &run);
    g_signal_connect(operation, "end-print", G_CALLBACK(EndPrint), &run);

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
