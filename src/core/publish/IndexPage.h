// The index of published results: one line per sheet, in set order, linking
// to the sheet's page, in the look of the sheets' own pages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/PageStyle.h"
#include "texts/Texts.h"

namespace zav {

struct IndexEntry {
    std::string title;  // the file name of a sheet that could not be read
    std::string subTitle;
    std::string date;       // the date and the period, as the page header shows them
    std::string pageName;   // the page's file name beside the index; empty: no page
    std::string problem;    // why there is no page (the reader's message)
    std::string published;  // when the page was last written
    // A heat's standing ("Provisional", "Official 2024-06-01 14:32");
    // empty for a line that is no heat.
    std::string standing;
    bool official = false;
};

// A file name as a relative link: every byte but the unreserved ones
// percent-encoded, so blanks, accents, "#" and "?" reach the file itself.
std::string PageLink(std::string_view name);

// The index page (UTF-8), headed by `heading` (the event): a table of the
// sheets on a wide screen, a list of their phone pages on a phone.
std::string PrepareIndexPage(std::string_view heading, const std::vector<IndexEntry>& entries,
                             Language language, const PageStyle& style);

}  // namespace zav
