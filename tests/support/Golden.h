// Bytes compared with a golden file under tests/, reviewed once. After a
// deliberate change, run with ZAV_UPDATE_GOLDEN=1 and review the difference
// before committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace zavtest {

inline void ExpectGolden(const std::string& name, const std::string& bytes) {
    if (std::getenv("ZAV_UPDATE_GOLDEN")) WriteFile(TestFile(name), bytes);
    const std::string golden = ReadFile(TestFile(name));
    if (bytes == golden) return;
    std::size_t at = 0;
    while (at < bytes.size() && at < golden.size() && bytes[at] == golden[at]) ++at;
    ADD_FAILURE() << name << " differs from byte " << at << ":\n  made:   " << bytes.substr(at, 80)
                  << "\n  golden: " << golden.substr(at, 80);
}

}  // namespace zavtest
