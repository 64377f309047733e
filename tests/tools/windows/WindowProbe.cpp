// For the Windows program's test under Wine (scripts/test-windows.sh): runs
// a menu command of the window as the menu would, and tells what the
// windows show, which the X server alone cannot (a message box's text, the
// size of the toolbar's pictures).
//   zavtest_windowprobe command TITLE ID   the window whose title holds TITLE
//                                          runs its command ID
//   zavtest_windowprobe window TITLE       its rectangle: left top right bottom
//   zavtest_windowprobe toolbar TITLE      the size of its toolbar's pictures
//   zavtest_windowprobe boxes              each dialog window, a line each:
//                                          left top right bottom|title|text...
// Output in UTF-8.
// clang-format off
#include <windows.h>  // first: commctrl.h needs its types
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <string>

namespace {

void Print(const std::wstring& text) {
    std::string utf8(
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);
}

std::wstring TextOf(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
           std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom);
}

struct Search {
    std::wstring part;
    HWND found = nullptr;
};

// The visible top-level window whose title holds `part`.
HWND WindowWith(const std::wstring& part) {
    Search search{part};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            if (!IsWindowVisible(window) || TextOf(window).find(search->part) == std::wstring::npos)
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    const std::wstring text = TextOf(child);
    if (!text.empty()) Print(L"|" + text);
    return TRUE;
}

BOOL CALLBACK PrintDialog(HWND window, LPARAM) {
    if (!IsWindowVisible(window) || ClassOf(window) != L"#32770") return TRUE;
    Print(RectOf(window) + L"|" + TextOf(window));
    EnumChildWindows(window, PrintChildText, 0);
    Print(L"\n");
    return TRUE;
}

BOOL CALLBACK FindToolbar(HWND child, LPARAM data) {
    if (ClassOf(child) != TOOLBARCLASSNAMEW) return TRUE;
    *reinterpret_cast<HWND*>(data) = child;
    return FALSE;
}

}  // namespace

int main() {
    // The arguments as Windows has them, in UTF-16: main()'s are in the ANSI
    // code page, which may not hold a title's accents.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring what = argc > 1 ? argv[1] : L"";
    if (what == L"boxes" && argc == 2) {
        EnumWindows(PrintDialog, 0);
        return 0;
    }
    HWND window = argc > 2 ? WindowWith(argv[2]) : nullptr;
    if (what == L"command" && argc == 4 && window) {
        // As a menu sends it: the command's ID, no control.
        return PostMessageW(window, WM_COMMAND, MAKEWPARAM(std::stoi(argv[3]), 0), 0) ? 0 : 1;
    }
    if (what == L"window" && argc == 3 && window) {
        Print(RectOf(window) + L"\n");
        return 0;
    }
    HWND toolbar = nullptr;
    if (what == L"toolbar" && argc == 3 && window) {
        EnumChildWindows(window, FindToolbar, reinterpret_cast<LPARAM>(&toolbar));
        if (!toolbar) return 1;
        // A button is its picture and the padding around it.
        const DWORD size = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
        const DWORD padding = static_cast<DWORD>(SendMessageW(toolbar, TB_GETPADDING, 0, 0));
        Print(std::to_wstring(LOWORD(size) - LOWORD(padding)) + L" " +
              std::to_wstring(HIWORD(size) - HIWORD(padding)) + L"\n");
        return 0;
    }
    std::fputs(
        "usage: zavtest_windowprobe command TITLE ID | window TITLE | toolbar TITLE | boxes\n",
        stderr);
    return 2;
}
