// Publishing results into a folder that a web server or a synchronised folder
// shows to the public: one page per sheet, exactly as the HTML export writes
// it (with a line that makes browsers reload it, if asked), its phone page
// beside it, the logo as the export copies it, and an index of the sheets. Each file is
// replaced only by a complete one and only when its bytes change, so a browser
// never reads half a page and a repeated publication touches nothing that
// stayed the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/PageStyle.h"
#include "texts/Reporter.h"

namespace zav {

constexpr const char* kIndexPageName = "index.html";

struct PublishOptions {
    std::string folder;      // made, with its parents, when missing
    int refreshSeconds = 0;  // 0: pages without the reload line
    Language language = Language::French;
    PageStyle style;
};

struct PublishResult {
    bool complete = true;              // every sheet read, every file written
    std::vector<std::string> written;  // the files rewritten, by name, in writing order
};

// What is published: a set file's sheets, or a single sheet file.
struct PublishSource {
    std::string path;
    bool isSet = false;
};

// The phone page beside a sheet's page: "final.html" has "final.phone.html".
std::string PhonePageName(const std::string& pageName);

// The command line's rule: a set file's name ends with ".mscore".
PublishSource SourceNamed(const std::string& path);

// Publishes the sheets of the set, in set file order, or the single sheet.
// Each sheet is read as opening it reads it and published as the export
// writes it right after opening; its line in the index gives its title,
// sub-title, date, a link to its page and the time its page was last
// written, which an unchanged sheet therefore keeps. A sheet that cannot be
// read is listed with the reader's message instead of a link (an earlier page
// of it is left in the folder), and the rest is published. Every failure is
// reported; a set file that cannot be read publishes nothing.
PublishResult Publish(const PublishSource& source, const PublishOptions& options,
                      const Reporter& reporter);

}  // namespace zav
