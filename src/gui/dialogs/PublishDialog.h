// Options > Publish results: whether every save of a sheet also publishes the
// results, the folder they go to, how often browsers reload the pages, and
// the web site the folder is uploaded to with the arena's folder there. Kept
// in the settings file (read when the dialog opens, written on OK), all but
// the site's password, which the caller keeps in the desktop's secret store.
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
    // The password typed for the site, in its field or in the address; empty
    // when none was typed.
    std::string Password() const;
    // The site's address as it is kept and shown: without a password.
    std::string UploadUrl() const;

    // The controls' names, for whoever drives the dialog as a user would.
    static constexpr const char* kOnName = "publishOn";
    static constexpr const char* kFolderName = "publishFolder";
    static constexpr const char* kRefreshName = "publishRefresh";
    static constexpr const char* kUploadName = "publishUpload";
    static constexpr const char* kArenaName = "publishArena";
    static constexpr const char* kPasswordName = "publishPassword";
    static constexpr const char* kS3EndpointName = "publishS3Endpoint";
    static constexpr const char* kS3RegionName = "publishS3Region";

private:
    void OnSearch();
    std::string TypedUrl() const;

    zav::Settings settings_;
    const ChooserFolders& folders_;
    wxCheckBox* on_;
    wxTextCtrl* folder_;
    wxSpinCtrl* refresh_;
    wxTextCtrl* upload_;
    wxTextCtrl* arena_;
    wxTextCtrl* password_;
    wxTextCtrl* s3Endpoint_;
    wxTextCtrl* s3Region_;
    std::string storedSite_, storedPassword_;  // the settings file's, when opened
};

}  // namespace zavgui
