#include "platform/net/CurlLibrary.h"

#include <dlfcn.h>
#include <mutex>

namespace platform::net {
namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function* function)
{
    *function = reinterpret_cast<Function>(::dlsym(library, name));
    return *function != nullptr;
}

const CurlLibrary* Load()
{
    static CurlLibrary curl;
    void* library = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return nullptr;
    const bool complete = Resolve(library, "curl_global_init", &curl.global_init) &&
                          Resolve(library, "curl_easy_init", &curl.easy_init) &&
                          Resolve(library, "curl_easy_setopt", &curl.easy_setopt) &&
                          Resolve(library, "curl_easy_perform", &curl.easy_perform) &&
                          Resolve(library, "curl_easy_getinfo", &curl.easy_getinfo) &&
                          Resolve(library, "curl_easy_cleanup", &curl.easy_cleanup) &&
                          Resolve(library, "curl_easy_strerror", &curl.easy_strerror) &&
                          Resolve(library, "curl_slist_append", &curl.slist_append) &&
                          Resolve(library, "curl_slist_free_all", &curl.slist_free_all);
    if (!complete || curl.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;  // the library stays loaded: unloading it after a partial start-up is not safe
    return &curl;
}

}  // namespace

const CurlLibrary* Curl()
{
    static std::once_flag once;
    static const CurlLibrary* loaded = nullptr;
    std::call_once(once, [] { loaded = Load(); });
    return loaded;
}

}  // namespace platform::net
