#include "dialogs/ArenaDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/filepicker.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/NetworkInterfaces.h"
#include "support/GuiText.h"
#include "support/QrPicture.h"
#include "support/WxMessageSink.h"

namespace zavgui {

ArenaDialog::ArenaDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage,
                         const ArenaShown& shown)
    : ZavDialog(parent, wxLanguage, zav::TextId::TitleArena), settings_(settings) {
    SetGuideSection(GuideSection::ArenaNetwork);
    const zav::ArenaSettings arena = zav::ReadArenaSettings(settings_);
    on_ = new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::ArenaOnLabel), wxDefaultPosition,
                         wxDefaultSize, 0, wxDefaultValidator, kOnName);
    on_->SetValue(arena.on);
    Body()->Add(on_, 0, wxBOTTOM, 10);

    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaPortLabel)), 0,
              wxALIGN_CENTER_VERTICAL);
    port_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxSP_ARROW_KEYS, 1, 65535, arena.port, kPortName);
    grid->Add(port_, 0);
    grid->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaInterfaceLabel)), 0,
              wxALIGN_CENTER_VERTICAL);
    // The first entry stands for every interface; the others are an address
    // and, after it, the interface's name ("192.168.1.10 (wlan0)").
    wxArrayString interfaces;
    interfaces.Add(Tx(zav::TextId::ArenaAllInterfaces));
    for (const zav::NetworkInterface& local : zav::LocalInterfaces())
        interfaces.Add(
            FromCore(local.name.empty() ? local.address : local.address + " (" + local.name + ")"));
    interface_ = new wxComboBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                interfaces, 0, wxDefaultValidator, kInterfaceName);
    interface_->SetValue(arena.bind.empty() ? interfaces[0] : FromCore(arena.bind));
    grid->Add(interface_, 0, wxEXPAND);
    Body()->Add(grid, 0, wxBOTTOM, 10);

    acceptAtOnce_ =
        new wxCheckBox(this, wxID_ANY, Tx(zav::TextId::ArenaAcceptAtOnceLabel), wxDefaultPosition,
                       wxDefaultSize, 0, wxDefaultValidator, kAcceptName);
    acceptAtOnce_->SetValue(arena.acceptAtOnce);
    Body()->Add(acceptAtOnce_, 0, wxBOTTOM, 10);

    auto* screens = new wxFlexGridSizer(2, 6, 8);
    screens->AddGrowableCol(1);
    screens->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaBoardLabel)), 0,
                 wxALIGN_CENTER_VERTICAL);
    wxArrayString views;
    for (const zav::TextId view : {zav::TextId::ArenaBoardTurn, zav::TextId::ScreenRanking,
                                   zav::TextId::ScreenChallenge, zav::TextId::ChampionshipTitle})
        views.Add(Tx(view));
    board_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, views, 0,
                          wxDefaultValidator, kBoardName);
    board_->SetSelection(static_cast<int>(arena.board.view));
    screens->Add(board_, 0, wxEXPAND);
    screens->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaBoardSeconds)), 0,
                 wxALIGN_CENTER_VERTICAL);
    seconds_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                              wxSP_ARROW_KEYS, zav::kMinBoardSeconds, zav::kMaxBoardSeconds,
                              arena.board.seconds, kSecondsName);
    screens->Add(seconds_, 0);
    screens->Add(new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaEntriesLabel)), 0,
                 wxALIGN_CENTER_VERTICAL);
    entries_ = new wxFilePickerCtrl(
        this, wxID_ANY, wxEmptyString, wxEmptyString, wxFileSelectorDefaultWildcardStr,
        wxDefaultPosition, wxSize(260, -1), wxFLP_OPEN | wxFLP_FILE_MUST_EXIST | wxFLP_USE_TEXTCTRL,
        wxDefaultValidator, kEntriesName);
    // Given after the control is made: GTK's picker shows no path given
    // to its constructor.
    entries_->SetPath(FromCore(arena.entriesFile));
    screens->Add(entries_, 1, wxEXPAND);
    Body()->Add(screens, 0, wxEXPAND | wxBOTTOM, 10);

    if (!shown.address.empty()) {
        auto* address = new wxStaticText(
            this, wxID_ANY,
            TxFormat(wxLanguage_, zav::TextId::ArenaAddressLabel, FromCore(shown.address)));
        address->SetFont(address->GetFont().Bold().Scaled(1.3f));
        Body()->Add(address, 0, wxBOTTOM, 6);
        const wxBitmap qr = QrPicture(shown.address, 5);
        if (qr.IsOk())
            Body()->Add(new wxStaticBitmap(this, wxID_ANY, qr, wxDefaultPosition, wxDefaultSize, 0,
                                           kQrName),
                        0, wxALIGN_CENTER | wxBOTTOM, 6);
        if (!shown.entryCode.empty()) {
            auto* code = new wxStaticText(
                this, wxID_ANY,
                TxFormat(wxLanguage_, zav::TextId::ArenaEntryCodeLabel, FromCore(shown.entryCode)));
            code->SetFont(code->GetFont().Bold().Scaled(1.3f));
            Body()->Add(code, 0, wxBOTTOM, 6);
            // The card for the finish line: what the judges need, on paper.
            auto* card = new wxBoxSizer(wxHORIZONTAL);
            printCard = new wxButton(this, wxID_ANY, Tx(zav::TextId::ButtonPrintJudgeCard));
            cardPdf = new wxButton(this, wxID_ANY, Tx(zav::TextId::ButtonJudgeCardPdf));
            card->Add(printCard, 0, wxRIGHT, 6);
            card->Add(cardPdf, 0);
            Body()->Add(card, 0, wxBOTTOM, 10);
        }
    }
    auto* note = new wxStaticText(this, wxID_ANY, Tx(zav::TextId::ArenaNote));
    note->Wrap(440);
    Body()->Add(note, 0);
    FinishLayout();
}

bool ArenaDialog::TransferDataFromWindow() {
    zav::ArenaSettings arena;
    arena.on = on_->GetValue();
    arena.port = port_->GetValue();
    const wxString chosen = interface_->GetValue().Strip(wxString::both);
    arena.bind =
        chosen == interface_->GetString(0) ? std::string() : ToCore(chosen.BeforeFirst(' '));
    arena.acceptAtOnce = acceptAtOnce_->GetValue();
    arena.board.view = zav::kBoardViews[std::max(board_->GetSelection(), 0)];
    arena.board.seconds = seconds_->GetValue();
    arena.entriesFile = ToCore(entries_->GetPath().Strip(wxString::both));
    if (!zav::WriteArenaSettings(settings_, arena))
        ShowNotice(this,
                   TxFormat(wxLanguage_, zav::TextId::ErrorWriting, FromCore(settings_.Path())),
                   sAppli, wxICON_INFORMATION);
    return true;
}

}  // namespace zavgui
