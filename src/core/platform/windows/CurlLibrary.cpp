#include "platform/CurlLibrary.h"

namespace zav {
namespace {

// libcurl is linked into the program: its global state is started once.
CURLcode Started() {
    return curl_global_init(CURL_GLOBAL_DEFAULT);
}

}  // namespace

const CurlLibrary* LoadCurl(std::string& error) {
    static const CurlLibrary calls{&curl_easy_init,     &curl_easy_setopt,  &curl_easy_perform,
                                   &curl_easy_getinfo,  &curl_easy_reset,   &curl_easy_cleanup,
                                   &curl_easy_strerror, &curl_slist_append, &curl_slist_free_all};
    static const CURLcode started = Started();
    error = started == CURLE_OK ? std::string() : curl_easy_strerror(started);
    return started == CURLE_OK ? &calls : nullptr;
}

}  // namespace zav
