// The Options menu: logo, colours, language and automatic save, all kept in
// the settings file.
#pragma once

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

    wxZAVFrame& frame_;
};

}  // namespace zavgui
