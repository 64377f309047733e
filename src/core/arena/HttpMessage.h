// A request as the arena network reads it and the answer it makes, as plain
// values: the rules that answer never see a socket, and the engine that
// carries them never sees a rule.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "arena/FinishLineResult.h"
#include "encoding/Encoding.h"

namespace zav {

struct HttpRequest {
    bool post = false;    // else GET (or HEAD, answered as GET)
    std::string path;     // decoded, without the query
    FormFields params;    // the query's fields, then a posted form's
    std::string cookies;  // the Cookie header as sent
    std::string remoteAddress;

    // The first value of field `name`, or empty.
    std::string Param(const std::string& name) const;
    bool HasParam(const std::string& name) const { return params.count(name) > 0; }
    // The value of cookie `name`, or empty.
    std::string Cookie(const std::string& name) const;
};

struct HttpResponse {
    int status = 200;
    std::string contentType;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // The connection stays open as a watcher of the live pages (Server-Sent
    // Events) after this head.
    bool eventStream = false;

    void Redirect(const std::string& location) {
        status = 303;
        headers.emplace_back("Location", location);
    }
};

// "a=1&b=x+y%21": the fields, decoded ('+' is a space), each as often as it
// is there (the request's size bounds their number).
FormFields ReadUrlEncoded(std::string_view text);

}  // namespace zav
