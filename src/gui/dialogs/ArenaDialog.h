// Tools > Arena network: on or off, the port, the interface, whether finish-
// line results are accepted at once, what the big-screen board shows, the
// entries file the announcer's riders come from; while on, the address to
// open as text and as a QR code, the entry code and the judge's card. Kept in
// the settings file: read when the dialog opens, written on OK.
#pragma once

#include "arena/ArenaSettings.h"
#include "dialogs/ZavDialog.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxFilePickerCtrl;
class wxSpinCtrl;

namespace zavgui {

// What the running network shows; an empty address: it is off.
struct ArenaShown {
    std::string address;
    std::string entryCode;
};

class ArenaDialog : public ZavDialog {
public:
    ArenaDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage,
                const ArenaShown& shown);
    bool TransferDataFromWindow() override;

    static constexpr const char* kOnName = "arenaOn";
    static constexpr const char* kPortName = "arenaPort";
    static constexpr const char* kInterfaceName = "arenaInterface";
    static constexpr const char* kAcceptName = "arenaAcceptAtOnce";
    static constexpr const char* kQrName = "arenaQr";
    static constexpr const char* kBoardName = "arenaBoard";  // in zav::kBoardViews' order
    static constexpr const char* kSecondsName = "arenaBoardSeconds";
    static constexpr const char* kEntriesName = "arenaEntries";

    // The judge's card, printed or as PDF, while the network runs (null
    // otherwise); the caller binds them.
    wxButton* printCard = nullptr;
    wxButton* cardPdf = nullptr;

private:
    zav::Settings settings_;
    wxCheckBox* on_;
    wxSpinCtrl* port_;
    wxComboBox* interface_;
    wxCheckBox* acceptAtOnce_;
    wxChoice* board_;
    wxSpinCtrl* seconds_;
    wxFilePickerCtrl* entries_;
};

}  // namespace zavgui
