// Files kept beside the tests: sample heats under tests/data/, golden files
// beside the tests that compare with them.
#pragma once

#include <stdexcept>
#include <string>

#include "sheetfile/SheetFile.h"
#include "texts/Messages.h"

namespace zavtest {

// A file under tests/, named from there ("data/full-heat.score").
inline std::string TestFile(const std::string& name) {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/support/")) + "/" + name;
}

// A sheet file read as the program opens it in `language`; a file it cannot
// read fails the test.
inline zav::ScoreSheet ReadSheet(const std::string& path,
                                 zav::Language language = zav::Language::English) {
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    if (!zav::LoadSheet(sheet, path, zav::Reporter(language, messages)))
        throw std::runtime_error("cannot read the sheet " + path);
    return sheet;
}

// A sample heat of tests/data/.
inline zav::ScoreSheet Sample(const std::string& name,
                              zav::Language language = zav::Language::English) {
    return ReadSheet(TestFile("data/" + name), language);
}

// The full sample (10 teams, 12 catalogue games, 'Challenge', every result
// code, blames, tie-breaks, staff) as a sheet made in the program.
inline zav::ScoreSheet FullSampleSheet() {
    zav::ScoreSheet s = Sample("full-sample.score", zav::Language::French);
    s.languageSheet.reset();
    return s;
}

}  // namespace zavtest
