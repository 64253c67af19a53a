#include "platform/net/InternetTimeouts.h"

#include <mutex>

namespace {
std::mutex g_mutex;
platform::net::FtpTimeouts g_timeouts = platform::net::kDefaultFtpTimeouts;
}  // namespace

namespace platform::net {
FtpTimeouts CurrentFtpTimeouts()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_timeouts;
}
}  // namespace platform::net

namespace platform::seams {
void SetFtpTimeouts(const platform::net::FtpTimeouts& timeouts)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_timeouts = timeouts;
}

void RestoreFtpTimeouts() { SetFtpTimeouts(platform::net::kDefaultFtpTimeouts); }
}  // namespace platform::seams
