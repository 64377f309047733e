// What an upload to S3-compatible storage adds to plain HTTP: each object's
// headers, and the reading of the store's XML answers. The signing is
// libcurl's.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zav {

// An object's type for browsers: a page's own declared encoding (the sheet
// pages are ISO-8859-1, the phone pages and indexes UTF-8), pictures by their
// extension.
std::string S3ContentType(const std::string& name, const std::string& bytes);
// Short for pages and entries, so that a CDN in front serves the live
// results fresh; longer for pictures.
std::string S3CacheControl(const std::string& name);

// One page of a ListObjectsV2 answer.
struct S3Listing {
    std::vector<std::string> keys;
    std::string nextToken;  // empty: the last page
};

// Nothing when the answer is not a listing, is truncated without saying
// where to go on, or has a key or token that does not decode. Keys are
// decoded from XML; nothing in them is trusted further (the caller keeps
// those under its prefix).
std::optional<S3Listing> ReadS3Listing(const std::string& xml);

// The <Code> of an S3 error answer ("SignatureDoesNotMatch"); empty when
// there is none or it is not a plain word.
std::string S3ErrorCode(const std::string& xml);

}  // namespace zav
