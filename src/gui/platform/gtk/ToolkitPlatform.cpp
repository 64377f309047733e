#include "platform/ToolkitPlatform.h"

#include <gtk/gtk.h>
#include <wx/combobox.h>
#include <wx/dcprint.h>
#include <wx/gtk/print.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/print.h>
#include <wx/utils.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "settings/DesktopLanguage.h"

namespace zavgui {

void PrepareToolkit(zav::Language language) {
    // A score sheet is often wider than the window: GTK's overlay scroll bars
    // stay hidden until the pointer finds them, so ask for ordinary ones,
    // unless the user chose otherwise.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    // GTK's catalogues follow LANGUAGE, which they read only under a locale
    // other than C, so the messages' locale is the user's or C.UTF-8. Only
    // the messages: numbers keep the C locale's decimal point.
    setenv("LANGUAGE", zav::CatalogueCode(language), 1);
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    // The window draws nothing with OpenGL, but GDK probes it as it opens the
    // display, loading the OpenGL driver (Mesa's software one brings LLVM):
    // about 10 ms of each start under a window manager, unless the user
    // asks GDK for something else.
    setenv("GDK_GL", "disable", 0);
}

void AddToolkitTranslationFolders() {
    // Debian's wx3.2-i18n puts them where wx looks by default.
}

void LetListOpenWide(wxComboBox& combo) {
    gtk_combo_box_set_popup_fixed_width(GTK_COMBO_BOX(combo.GetHandle()), FALSE);
}

namespace {

void RunOnceAllocated(GtkWidget* widget, GdkRectangle*, gpointer data) {
    std::function<void()> placed = std::move(*static_cast<std::function<void()>*>(data));
    g_signal_handlers_disconnect_by_data(widget, data);
    placed();
}

}  // namespace

void WhenPlaced(wxWindow& control, std::function<void()> placed) {
    g_signal_connect_data(
        control.GetHandle(), "size-allocate", G_CALLBACK(RunOnceAllocated),
        new std::function<void()>(std::move(placed)),
        [](gpointer data, GClosure*) { delete static_cast<std::function<void()>*>(data); },
        G_CONNECT_AFTER);
}

namespace {

struct PrinterDCAccess : wxGtkPrinterDCImpl {
    // The print data of the DC, which wx keeps to itself.
    static constexpr auto printData = &PrinterDCAccess::GetPrintData;
};

}  // namespace

// GTK puts the origin at the corner of the printable area, rotated with the
// paper: in landscape the printer's bottom margin comes to the left and its
// left margin to the top. wx moves the origin back by the left and top
// margins as if the paper were upright, so a landscape page drifts right by
// the difference and loses its right edge.
wxPoint PrintedOriginError(wxPrinterDC& printer) {
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

bool CanWritePdf() {
    return true;
}

bool HasPrinter() {
    return true;
}

int ShowMessageBox(wxMessageDialog& box, wxWindow*) {
    return box.ShowModal();
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

// GTK's export action: the pages wx's GTK printer draws, written as PDF.
bool WritePdf(wxPrintout& printout, const wxPrintData& pageData, const wxString& pdfPath) {
    const std::filesystem::path target(pdfPath.utf8_string());
    wxPrintDialogData dialogData(pageData);
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

    ExportRun run{&printer, &printout};
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

bool OpenUrl(const wxString& url) {
    // The desktop's opener hands it to the browser.
    const std::string utf8 = url.utf8_string();
    const char* const argv[] = {"xdg-open", utf8.c_str(), nullptr};
    return wxExecute(argv, wxEXEC_ASYNC) != 0;
}

}  // namespace zavgui
