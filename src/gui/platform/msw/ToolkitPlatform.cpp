#include "platform/ToolkitPlatform.h"

// clang-format off
#include <windows.h>  // first: winspool.h needs its types
#include <winspool.h>
// clang-format on
#include <wx/combobox.h>
#include <wx/dcprint.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/print.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>
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

namespace {

// The printers of this computer and those it is connected to.
std::vector<std::wstring> PrinterNames() {
    DWORD needed = 0, count = 0;
    ::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                    &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4,
                                        buffer.data(), needed, &needed, &count))
        return {};
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < count; ++i) names.emplace_back(printers[i].pPrinterName);
    return names;
}

}  // namespace

bool CanWritePdf() {
    const std::vector<std::wstring> names = PrinterNames();
    return std::find(names.begin(), names.end(), kPdfPrinter) != names.end();
}

bool HasPrinter() {
    return !PrinterNames().empty();
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

namespace {

// The window the message box about to open is centred over (none: the
// screen), and the hook that does it, set while the box opens.
HWND centreOver = nullptr;
HHOOK centringHook = nullptr;

// Centres the first dialog window of the thread, the message box, over
// `centreOver`, within the work area of its screen: once its dialog has been
// laid out (WM_INITDIALOG; Wine activates it earlier, at its first size) and
// before it shows.
LRESULT CALLBACK CentreWhenLaidOut(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    wchar_t windowClass[16] = {};
    if (code == HC_ACTION && call->message == WM_INITDIALOG && centringHook &&
        ::GetClassNameW(call->hwnd, windowClass, static_cast<int>(std::size(windowClass))) &&
        wcscmp(windowClass, L"#32770") == 0) {
        ::UnhookWindowsHookEx(centringHook);
        centringHook = nullptr;
        const HWND box = call->hwnd;
        MONITORINFO screen{};
        screen.cbSize = sizeof screen;
        ::GetMonitorInfoW(
            ::MonitorFromWindow(centreOver ? centreOver : box, MONITOR_DEFAULTTONEAREST), &screen);
        RECT over = screen.rcWork, own{};
        if (centreOver) ::GetWindowRect(centreOver, &over);
        ::GetWindowRect(box, &own);
        const LONG width = own.right - own.left, height = own.bottom - own.top;
        const LONG x = std::clamp((over.left + over.right - width) / 2, screen.rcWork.left,
                                  std::max(screen.rcWork.left, screen.rcWork.right - width));
        const LONG y = std::clamp((over.top + over.bottom - height) / 2, screen.rcWork.top,
                                  std::max(screen.rcWork.top, screen.rcWork.bottom - height));
        ::SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int ShowMessageBox(wxMessageDialog& box, wxWindow* over) {
    over = over ? wxGetTopLevelParent(over) : nullptr;
    centreOver = over ? static_cast<HWND>(over->GetHandle()) : nullptr;
    centringHook =
        ::SetWindowsHookExW(WH_CALLWNDPROCRET, CentreWhenLaidOut, nullptr, ::GetCurrentThreadId());
    const int answer = box.ShowModal();
    if (centringHook) ::UnhookWindowsHookEx(centringHook);
    centringHook = nullptr;
    return answer;
}

bool OpenUrl(const wxString& url) {
    // wx finds the default browser itself for a file URL, which the shell
    // would open without its section.
    return wxLaunchDefaultBrowser(url);
}

}  // namespace zavgui
