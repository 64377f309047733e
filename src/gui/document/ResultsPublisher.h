// The results published as web pages from the window: after every save of a
// sheet when the user turned publication on, and on demand. A publication
// that fails never stops the save that came before it; its message is shown
// once, not again at every save while the same failure lasts.
#pragma once

#include <string>

#include "publish/Publication.h"
#include "settings/Settings.h"
#include "texts/Reporter.h"

namespace zavgui {

class ResultsPublisher {
public:
    // The settings are read at each publication, so a change made in the
    // options applies to the next save.
    ResultsPublisher(zav::Settings settings, const zav::Reporter& reporter);

    // After a save of the sheet whose publication source is `source` (a set
    // file or a sheet file): publishes it when publication is on.
    void AfterSave(const zav::PublishSource& source);
    // Publishes `source` whether publication is on or not, and says where the
    // pages went or why they did not. True when published.
    bool PublishNow(const zav::PublishSource& source);

private:
    // The failure's message (empty when published).
    std::string Publish(const zav::PublishSource& source);

    zav::Settings settings_;
    const zav::Reporter& reporter_;
    std::string shownFailure_;
};

}  // namespace zavgui
