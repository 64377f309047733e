#include "dialogs/ColumnKeys.h"

#include <wx/button.h>
#include <wx/dialog.h>

#include "dialogs/ListChoice.h"

namespace zavgui {

ColumnKeys::ColumnKeys(wxDialog* dialog, Meaning meaning)
    : dialog_(dialog),
      meaning_(std::move(meaning)),
      enter_(dialog, [this](wxKeyEvent& event) { return OnKey(event); }) {}

void ColumnKeys::AddRow(ListChoice* list, wxWindow* partner) {
    lists_.push_back(list);
    partners_.push_back(partner);
}

int ColumnKeys::RowOf(const wxWindow* window) const {
    for (size_t row = 0; row < lists_.size(); ++row)
        if (window && (window == lists_[row] || window == partners_[row]))
            return static_cast<int>(row);
    return -1;
}

namespace {

// The keys a closed list takes as a choice of its own: Page Down or End
// would pick its last entry, a definitive abandon.
bool StepsThroughEntries(int code) {
    switch (code) {
        case WXK_PAGEUP:
        case WXK_PAGEDOWN:
        case WXK_HOME:
        case WXK_END:
        case WXK_LEFT:
        case WXK_RIGHT:
        case WXK_NUMPAD_PAGEUP:
        case WXK_NUMPAD_PAGEDOWN:
        case WXK_NUMPAD_HOME:
        case WXK_NUMPAD_END:
        case WXK_NUMPAD_LEFT:
        case WXK_NUMPAD_RIGHT: return true;
        default: return false;
    }
}

}  // namespace

bool ColumnKeys::OnKey(wxKeyEvent& event) {
    const int row = RowOf(wxWindow::FindFocus());
    if (row < 0) return false;
    if (row != typedRow_) {
        typed_.clear();
        typedRow_ = row;
    }
    const int code = event.GetKeyCode();
    const bool up = code == WXK_UP || code == WXK_NUMPAD_UP;
    if ((up || code == WXK_DOWN || code == WXK_NUMPAD_DOWN) && !event.HasAnyModifiers()) {
        up ? MoveBefore(row) : MoveAfter(row);
        return true;
    }
    if (StepsThroughEntries(code)) return true;
    const char32_t key = KeyCharacter(event, Typing::Numbers);
    if (key == 0) return false;
    Type(row, key);
    return true;
}

void ColumnKeys::Type(size_t row, char32_t key) {
    const zav::EntryKey meaning = meaning_(row, typed_, key);
    if (typed_.empty()) ++numbers_;
    ListChoice* list = lists_[row];
    typing_ = true;
    switch (meaning.meaning) {
        case zav::KeyMeaning::Choose:
            typed_.clear();
            list->Choose(meaning.entry);
            MoveAfter(row);
            break;
        case zav::KeyMeaning::Wait:
            typed_ += static_cast<char>(key);
            list->Choose(meaning.entry);
            break;
        case zav::KeyMeaning::PassOn:
            typed_.clear();
            MoveAfter(row);
            if (const int next = NextRow(row); next >= 0) {
                typedRow_ = next;
                Type(next, key);
            }
            break;
        case zav::KeyMeaning::Blame:
            if (onBlame) onBlame(row);
            break;
        case zav::KeyMeaning::Clear:
            typed_.clear();
            list->Choose(wxNOT_FOUND);
            break;
        case zav::KeyMeaning::None: break;  // not handed to the list either
    }
    typing_ = false;
}

int ColumnKeys::NextRow(size_t row) const {
    for (size_t next = row + 1; next < lists_.size(); ++next)
        if (lists_[next]->IsEnabled()) return static_cast<int>(next);
    return -1;
}

void ColumnKeys::MoveAfter(size_t row) {
    if (const int next = NextRow(row); next >= 0) return lists_[next]->SetFocus();
    if (wxWindow* ok = dialog_->FindWindow(wxID_OK)) ok->SetFocus();
}

void ColumnKeys::MoveBefore(size_t row) {
    for (size_t before = row; before-- > 0;)
        if (lists_[before]->IsEnabled()) return lists_[before]->SetFocus();
}

}  // namespace zavgui
