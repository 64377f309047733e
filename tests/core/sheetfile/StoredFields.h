// The comparison of the fields a sheet file stores.
#pragma once

#include <gtest/gtest.h>

#include "sheetfile/SheetFile.h"

namespace zavtest {

// Every field the file stores, over the rows and columns in use: the writer's
// bytes hold exactly those, and its golden files pin the layout.
inline void ExpectSameStoredFields(const zav::ScoreSheet& a, const zav::ScoreSheet& b) {
    EXPECT_EQ(zav::SheetFileBytes(a, zav::Language::English),
              zav::SheetFileBytes(b, zav::Language::English));
}

}  // namespace zavtest
