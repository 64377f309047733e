// Options > Publish results: whether every save of a sheet also publishes the
// results, the folder they go to and how often browsers reload the pages.
// Kept in the settings file: read when the dialog opens, written on OK.
#pragma once

#include "dialogs/ZavDialog.h"
#include "settings/Settings.h"
#include "support/ChooserFolders.h"

class wxCheckBox;
class wxSpinCtrl;

namespace zavgui {

class PublishDialog : public ZavDialog {
public:
    // Without a folder yet, "Search..." starts where exports are chosen
    // (`folders`), never in the program's installation.
    PublishDialog(wxWindow* parent, const zav::Settings& settings, zav::Language wxLanguage,
                  const ChooserFolders& folders);
    bool TransferDataFromWindow() override;

    // The controls' names, for whoever drives the dialog as a user would.
    static constexpr const char* kOnName = "publishOn";
    static constexpr const char* kFolderName = "publishFolder";
    static constexpr const char* kRefreshName = "publishRefresh";

private:
    void OnSearch();

    zav::Settings settings_;
    const ChooserFolders& folders_;
    wxCheckBox* on_;
    wxTextCtrl* folder_;
    wxSpinCtrl* refresh_;
};

}  // namespace zavgui
