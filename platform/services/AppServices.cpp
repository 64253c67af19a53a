#include "platform/services/AppServices.h"

#include <atomic>

namespace platform {
namespace {
const AppServices g_none;
std::atomic<const AppServices*> g_installed{nullptr};
}  // namespace

const AppServices& Services()
{
    const AppServices* installed = g_installed.load();
    return installed != nullptr ? *installed : g_none;
}

void InstallServices(const AppServices* services)
{
    g_installed.store(services);
}

}  // namespace platform
