// Publishing the results as web pages: Options > Publish results (the
// settings), Tools > Publish now, the publication that follows every save of
// a sheet while it is turned on, its upload to the web site with its state in
// the status bar, and the uploads still waiting when the program ends.
#pragma once

#include <wx/string.h>

#include <memory>

#include "document/ResultsPublisher.h"

class wxCommandEvent;

class wxMouseEvent;

namespace zavgui {

class wxZAVFrame;

class PublishCommands {
public:
    explicit PublishCommands(wxZAVFrame& frame);
    ~PublishCommands();

    // Before the program ends: with uploads waiting, asks whether to wait for
    // them (with their progress) or leave them for the next start.
    void BeforeQuit();
    // Uploads what the last run left waiting, once the window has painted
    // its first page: the network never delays it.
    void ResumeUploads();

private:
    void OnPublishResults(wxCommandEvent& event);
    void OnPublishNow(wxCommandEvent& event);
    void ShowStatus(const zav::UploadStatus& status);
    void OnStatusClick(wxMouseEvent& event);

    wxZAVFrame& frame_;
    wxString statusWhole_;  // the upload's whole status, with the site's address
    std::unique_ptr<zav::SecretStore> secrets_;
    ResultsPublisher publisher_;
};

}  // namespace zavgui
