#include "platform/ToolkitPlatform.h"

// clang-format off
#include <windows.h>  // first: winspool.h needs its types
#include <winspool.h>
// clang-format on
#include <wx/combobox.h>
#include <wx/dcprint.h>
#include <wx/filename.h>
#include <wx/print.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <algorithm>
#include <vector>

namespace zavgui {
namespace {

// Part of Windows 10 and 11; writes the printed pages to the file the
// document names instead of asking for one.
const wchar_t kPdfPrinter[] = L"Microsoft Print to PDF";

}  // namespace

void PrepareToolkit(zav::Language) {
    // Windows' own dialogs speak Windows' language; nothing to set before.
}

void AddToolkitTranslationFolders() {
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(
        wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath() + wxS("\\locale"));
}

void WhenPlaced(wxWindow&, std::function<void()> placed) {
    placed();
}

void LetListOpenWide(wxComboBox& combo) {
    int widest = combo.GetSize().x;
    for (unsigned i = 0; i < combo.GetCount(); ++i)
        widest = std::max(widest, combo.GetTextExtent(combo.GetString(i)).x + combo.FromDIP(32));
    ::SendMessageW(static_cast<HWND>(combo.GetHandle()), CB_SETDROPPEDWIDTH, widest, 0);
}

wxPoint PrintedOriginError(wxPrinterDC&) {
    return {};
}

bool CanWritePdf() {
    DWORD needed = 0, count = 0;
    ::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                    &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4,
                                        buffer.data(), needed, &needed, &count))
        return false;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (wcscmp(printers[i].pPrinterName, kPdfPrinter) == 0) return true;
    return false;
}

bool WritePdf(wxPrintout& printout, const wxPrintData& pageData, const wxString& pdfPath) {
    wxPrintDialogData dialogData(pageData);
    wxPrintData& printData = dialogData.GetPrintData();
    printData.SetPrinterName(kPdfPrinter);
    printData.SetPrintMode(wxPRINT_MODE_FILE);
    printData.SetFilename(pdfPath);
    wxPrinter printer(&dialogData);
    if (!printer.Print(nullptr, &printout, false)) return false;
    const wxFileName written(pdfPath);
    return written.FileExists() && written.GetSize() > 0;
}

// Windows' print dialog offers "Microsoft Print to PDF" for a file, which
// asks for its own name: the proposed one is not passed on.
PrintOutcome PrintThroughDialog(wxWindow* parent, wxPrintout& printout, wxPrintData& printData,
                                const wxString&) {
    wxPrintDialogData dialogData(printData);
    wxPrinter printer(&dialogData);
    PrintOutcome outcome;
    if (printer.Print(parent, &printout, true)) {
        outcome.result = PrintOutcome::Result::Printed;
        printData = printer.GetPrintDialogData().GetPrintData();
    } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        outcome.result = PrintOutcome::Result::Failed;
    }
    return outcome;
}

bool OpenUrl(const wxString& url) {
    // wx finds the default browser itself for a file URL, which the shell
    // would open without its section.
    return wxLaunchDefaultBrowser(url);
}

}  // namespace zavgui
