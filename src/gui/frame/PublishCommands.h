// Publishing the results as web pages: Options > Publish results (the
// settings), Tools > Publish now, and the publication that follows every
// save of a sheet while it is turned on.
#pragma once

#include "document/ResultsPublisher.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

class PublishCommands {
public:
    explicit PublishCommands(wxZAVFrame& frame);
    ~PublishCommands();

private:
    void OnPublishResults(wxCommandEvent& event);
    void OnPublishNow(wxCommandEvent& event);

    wxZAVFrame& frame_;
    ResultsPublisher publisher_;
};

}  // namespace zavgui
