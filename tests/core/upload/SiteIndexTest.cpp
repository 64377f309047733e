// The site's arena entries come from a server: anything there is read
// without ending the program, and what cannot be read is no entry.
#include <gtest/gtest.h>

#include "upload/S3Requests.h"
#include "upload/SiteIndex.h"
#include "upload/SiteListings.h"

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

// The index of arenas on S3 comes from a store's ListObjectsV2 answer: keys
// decoded from XML, the next page's token, and no trust in the rest.
TEST(SiteIndex, S3ListingPagesAreReadAndBrokenOnesRefused) {
    const auto page = zav::ReadS3Listing(
        "<?xml version=\"1.0\"?><ListBucketResult xmlns=\"http://s3.amazonaws.com/doc/\">"
        "<IsTruncated>true</IsTruncated><NextContinuationToken>a&amp;b=</NextContinuationToken>"
        "<Contents><Key>arenas/Ar&#232;ne &amp; &#x1F434;.json</Key><Size>9</Size></Contents>"
        "<CommonPrefixes><Prefix>arenas/old/</Prefix></CommonPrefixes>"
        "<Contents><ETag>&quot;x&quot;</ETag><Key>arenas/&lt;b&gt;.json</Key></Contents>"
        "</ListBucketResult>");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->keys, (std::vector<std::string>{"arenas/Arène & 🐴.json", "arenas/<b>.json"}));
    EXPECT_EQ(page->nextToken, "a&b=");
    const auto last = zav::ReadS3Listing(
        "<ListBucketResult><IsTruncated>false</IsTruncated>"
        "</ListBucketResult>");
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->keys.empty() && last->nextToken.empty());

    const std::string broken[] = {
        "",
        "<Error><Code>AccessDenied</Code></Error>",
        "<ListBucketResult><Contents><Key>a.json</Key></Contents>",  // cut short
        "<ListBucketResult><Contents><Key>a.json</Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Size>1</Size></Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Key>a&#0;</Key></Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Key>a&#xD800;</Key></Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Key>a&#99999999999;</Key></Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Key>a&nbsp;</Key></Contents></ListBucketResult>",
        "<ListBucketResult><Contents><Key>a&amp</Key></Contents></ListBucketResult>",
        "<ListBucketResult><IsTruncated>true</IsTruncated></ListBucketResult>",
        "<ListBucketResult><IsTruncated>true</IsTruncated><NextContinuationToken>"
        "</NextContinuationToken></ListBucketResult>",
        "<ListBucketResult>" + std::string(100000, '<') + "Contents>",
    };
    for (const std::string& xml : broken)
        EXPECT_FALSE(zav::ReadS3Listing(xml)) << xml.substr(0, 80);

    EXPECT_EQ(zav::S3ErrorCode("<Error><Code>NoSuchBucket</Code><BucketName>x</BucketName>"
                               "</Error>"),
              "NoSuchBucket");
    for (const char* odd : {"<Error><Code>a b</Code></Error>", "<Error><Code>", "<Code>X</Code>",
                            "<Error><Code>&lt;script&gt;</Code></Error>"})
        EXPECT_EQ(zav::S3ErrorCode(odd), "") << odd;
}

// A listing names files of the folder itself: nothing a server adds can
// lead a later request elsewhere.
TEST(SiteIndex, ListingsGiveOnlyPlainNamesOfTheFolder) {
    EXPECT_EQ(zav::NamesInFtpListing("a.json\r\n.\r\n..\r\nsub/b.json\r\n..\\c.json\r\nd\x01.json\n"
                                     "Ar\xc3\xa8ne.json"),
              (std::vector<std::string>{"a.json", "Ar\xc3\xa8ne.json"}));
    const std::string propfind =
        "<D:href>/www/arenas/</D:href><D:href>/www/arenas/A%20b.json</D:href>"
        "<D:href>http://h:1/www/arenas/%2e%2e</D:href><D:href>/www/arenas/x%2Fy.json</D:href>"
        "<D:href>/www/other/c.json</D:href><D:href>/www/arenas/d/</D:href>";
    EXPECT_EQ(zav::NamesInPropfind(propfind, "/www/arenas/"),
              (std::vector<std::string>{"A b.json", "d"}));
}

}  // namespace
