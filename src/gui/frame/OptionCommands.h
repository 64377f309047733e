// The Options menu: logo, colours, language and automatic save, all kept in
// the settings file.
#pragma once

#include "settings/Settings.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class OptionCommands {
public:
    explicit OptionCommands(wxZAVFrame& frame);

private:
    void OnPresentation(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnLanguage(wxCommandEvent& event);
    void OnSaveAuto(wxCommandEvent& event);
    void StoreAndShow(const zav::SettingValues& values);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
