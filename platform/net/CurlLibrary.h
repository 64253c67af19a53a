// libcurl, loaded the first time an FTP connection is made instead of when the program starts. The
// library brings two dozen others with it (two TLS stacks, Kerberos, LDAP, SSH); loading them at
// start cost every start of the wizard about 4 ms and 5 MB, for a library that only the upload uses.
#pragma once

#include <curl/curl.h>

namespace platform::net {

struct CurlLibrary {
    decltype(&::curl_global_init) global_init;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_perform) easy_perform;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_strerror) easy_strerror;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
};

// The loaded library with curl_global_init done, or nullptr when it cannot be loaded.
const CurlLibrary* Curl();

}  // namespace platform::net
