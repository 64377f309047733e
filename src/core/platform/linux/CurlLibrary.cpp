#include "platform/CurlLibrary.h"

#include <dlfcn.h>

namespace zav {
namespace {

// The soname of Debian's libcurl4 (OpenSSL): the package depends on it by
// name, since the linker no longer records it.
constexpr const char* kLibraryName = "libcurl.so.4";

struct Loaded {
    CurlLibrary calls{};
    std::string error;  // empty once loaded
};

// The first function missing is the one named in `error`.
template <typename Function>
void Find(void* library, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function && error.empty()) error = std::string(kLibraryName) + ": no " + name;
}

Loaded Load() {
    Loaded loaded;
    // Kept for the life of the process: a transfer may run on any thread.
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        loaded.error = reason ? reason : kLibraryName;
        return loaded;
    }
    CurlLibrary& c = loaded.calls;
    CURLcode (*globalInit)(long) = nullptr;
    std::string& error = loaded.error;
    Find(library, "curl_global_init", globalInit, error);
    Find(library, "curl_easy_init", c.easyInit, error);
    Find(library, "curl_easy_setopt", c.easySetopt, error);
    Find(library, "curl_easy_perform", c.easyPerform, error);
    Find(library, "curl_easy_getinfo", c.easyGetinfo, error);
    Find(library, "curl_easy_reset", c.easyReset, error);
    Find(library, "curl_easy_cleanup", c.easyCleanup, error);
    Find(library, "curl_easy_strerror", c.easyStrerror, error);
    Find(library, "curl_slist_append", c.slistAppend, error);
    Find(library, "curl_slist_free_all", c.slistFreeAll, error);
    if (!error.empty()) return loaded;
    if (const CURLcode code = globalInit(CURL_GLOBAL_DEFAULT); code != CURLE_OK)
        error = c.easyStrerror(code);
    return loaded;
}

}  // namespace

const CurlLibrary* LoadCurl(std::string& error) {
    static const Loaded loaded = Load();  // once, whichever thread asks first
    error = loaded.error;
    return loaded.error.empty() ? &loaded.calls : nullptr;
}

}  // namespace zav
