// The site's arena entries come from a server: anything there is read
// without ending the program, and what cannot be read is no entry.
#include <gtest/gtest.h>

#include "upload/SiteIndex.h"

namespace {

TEST(SiteIndex, EntriesRoundTripWithTheirEscapesAsUtf8) {
    const zav::ArenaEntry written{"Arène \"2\"\\\t", "Arena 2", "2026-07-14 14:32"};
    const auto read = zav::ReadArenaEntry(zav::ArenaEntryJson(written));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->arena, written.arena);
    EXPECT_EQ(read->folder, written.folder);
    EXPECT_EQ(read->published, written.published);

    // As another program (or an earlier version) may have written it.
    const auto escaped = zav::ReadArenaEntry(
        R"({"published": "x", "arena": "Ar\u00e8ne \ud83d\udc34", "folder": "Arene"})");
    ASSERT_TRUE(escaped);
    EXPECT_EQ(escaped->arena, "Arène 🐴");

    // A name that is not whole UTF-8 is written all the same, and read back.
    EXPECT_TRUE(zav::ReadArenaEntry(zav::ArenaEntryJson({"Ar\xe8ne", "Arene", "x"})));
}

TEST(SiteIndex, WhatIsNoEntryIsRefusedWithoutThrowing) {
    const std::string cases[] = {
        R"({"arena": "Evil\uzzzz", "folder": "Evil", "published": "x"})",
        R"({"arena": "Evil\u12", "folder": "Evil", "published": "x"})",
        R"({"arena": "Cut", "folder": "Cut", "publ)",
        std::string(100000, '['),
        "{\"arena\": \"\xff\xfe\", \"folder\": \"Bytes\", \"published\": \"x\"}",
        R"({"arena": 3, "folder": "Number", "published": "x"})",
        R"(["arena", "folder", "published"])",
        R"({"arena": "Out", "folder": "../../etc", "published": "x"})",
        R"({"arena": "Empty", "folder": "", "published": "x"})",
        "{\"arena\": \"" + std::string(8 << 20, 'a') +
            "\", \"folder\": \"Big\", \"published\": \"x\"}",
    };
    for (const std::string& bytes : cases)
        EXPECT_FALSE(zav::ReadArenaEntry(bytes)) << bytes.substr(0, 60);
}

}  // namespace
