#include "dialogs/ListChoice.h"

#include <algorithm>
#include <vector>

#include "encoding/Encoding.h"
#include "encoding/ReadingOrder.h"
#include "support/GuiText.h"

namespace zavgui {

namespace {

// X key codes of the digits' row, "1" to "9" then "0", on every PC keyboard.
constexpr unsigned kFirstDigitRowKey = 10;
constexpr unsigned kLastDigitRowKey = 19;

}  // namespace

ListChoice::ListChoice(wxWindow* parent, const wxArrayString& entries, Typing typing)
    : wxOwnerDrawnComboBox(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, entries,
                           wxCB_READONLY),
      typing_(typing) {
    // The base class fixed its minimum size before this class could measure.
    SetInitialSize();
    Bind(wxEVT_CHAR, &ListChoice::OnChar, this);
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        typed_.clear();
        event.Skip();
    });
}

// The base class measures its entries only once its list has been opened:
// room for the widest entry, and for a number of a few digits at least.
wxSize ListChoice::DoGetBestSize() const {
    const wxSize base = wxOwnerDrawnComboBox::DoGetBestSize();
    int widest = GetTextExtent(wxS("0000")).x;
    for (const wxString& entry : GetStrings()) widest = std::max(widest, GetTextExtent(entry).x);
    return wxSize(std::max(base.x, GetSizeFromTextSize(widest).x), base.y);
}

void ListChoice::Choose(int index) {
    if (index == GetSelection()) return;
    SetSelection(index);
    wxCommandEvent chosen(wxEVT_COMBOBOX, GetId());
    chosen.SetEventObject(this);
    chosen.SetInt(index);
    if (index != wxNOT_FOUND) chosen.SetString(GetString(index));
    GetEventHandler()->ProcessEvent(chosen);
}

void ListChoice::OnChar(wxKeyEvent& event) {
    const char32_t key = KeyCharacter(event, typing_);
    // Space only continues a name ("A pied"); alone it is no entry's start.
    if (key < ' ' || key == 127 || (key == ' ' && typed_.empty())) return event.Skip();
    std::vector<std::string> entries;
    for (const wxString& entry : GetStrings()) entries.push_back(ToCore(entry));
    std::string typedKey;
    zav::AppendUtf8(typedKey, key);
    int found = zav::TypedEntry(entries, GetSelection(), typed_ + typedKey);
    if (found >= 0) {
        typed_ += typedKey;
    } else {
        found = zav::TypedEntry(entries, GetSelection(), typedKey);
        typed_ = found >= 0 ? typedKey : std::string();
    }
    if (found >= 0) Choose(found);
}

char32_t KeyCharacter(const wxKeyEvent& event, Typing typing) {
    if (event.ControlDown() || event.AltDown() || event.MetaDown()) return 0;
    const int code = event.GetKeyCode();
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) return U'0' + (code - WXK_NUMPAD0);
    if (code == WXK_BACK) return 8;
    if (code == WXK_DELETE || code == WXK_NUMPAD_DELETE) return 127;
    const unsigned hardwareKey = event.GetRawKeyFlags();
    if (typing == Typing::Numbers && hardwareKey >= kFirstDigitRowKey &&
        hardwareKey <= kLastDigitRowKey)
        return hardwareKey == kLastDigitRowKey ? U'0' : U'1' + (hardwareKey - kFirstDigitRowKey);
    const wxChar typed = event.GetUnicodeKey();
    return typed >= ' ' ? static_cast<char32_t>(typed) : 0;
}

}  // namespace zavgui
