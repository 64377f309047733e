// A full sheet: 10 teams, 12 games of the French catalogue, 'Challenge',
// every result code, blames, tie-breaks, staff, texts outside ASCII (all
// within Windows-1252).
#pragma once

#include "support/TestFiles.h"

namespace zavtest {

inline zav::ScoreSheet FullSampleSheet() {
    zav::ScoreSheet s = Sample("full-sample.score", zav::Language::French);
    s.languageSheet.reset();  // as a sheet made in the program, not one read
    return s;
}

}  // namespace zavtest
