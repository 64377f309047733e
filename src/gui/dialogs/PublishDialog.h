// Options > Publish results: whether every save of a sheet also publishes the
// results, the folder they go to and how often browsers reload the pages.
// Kept in the settings file: read when the dialog opens, written on OK.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"

class wxCheckBox;
class wxSpinCtrl;

namespace zavgui {

class PublishDialog : public ZavDialog {
public:
    PublishDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage);
    bool TransferDataFromWindow() override;

    // The controls' names, for whoever drives the dialog as a user would.
    static constexpr const char* kOnName = "publishOn";
    static constexpr const char* kFolderName = "publishFolder";
    static constexpr const char* kRefreshName = "publishRefresh";

private:
    void OnSearch();

    zav::Settings settings_;
    wxCheckBox* on_;
    wxTextCtrl* folder_;
    wxSpinCtrl* refresh_;
};

}  // namespace zavgui
