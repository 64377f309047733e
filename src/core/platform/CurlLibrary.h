// libcurl's calls, as the upload makes them. Where the system has libcurl as
// a shared library (Linux) it is loaded on the first upload rather than at
// the program's start: with the libraries it brings in turn (TLS, Kerberos,
// LDAP, SSH...) it was the largest part of the window's loading time, and
// most sessions never upload. Where it is linked in (Windows) the calls are
// its own.
#pragma once

#include <curl/curl.h>

#include <string>

namespace zav {

struct CurlLibrary {
    CURL* (*easyInit)();
    CURLcode (*easySetopt)(CURL*, CURLoption, ...);
    CURLcode (*easyPerform)(CURL*);
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...);
    void (*easyReset)(CURL*);
    void (*easyCleanup)(CURL*);
    const char* (*easyStrerror)(CURLcode);
    curl_slist* (*slistAppend)(curl_slist*, const char*);
    void (*slistFreeAll)(curl_slist*);
};

// The library, loaded and its global state started once for the process;
// nullptr when it cannot be, with the system's reason in `error`.
const CurlLibrary* LoadCurl(std::string& error);

}  // namespace zav
