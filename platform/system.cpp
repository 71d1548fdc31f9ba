#include "platform/system.h"

#include <stdexcept>

namespace jubilo {

namespace {
System* g_installed = nullptr;
}

System& system()
{
    if (!g_installed)
        throw std::logic_error("No system seam is installed");
    return *g_installed;
}

void installSystem(System* sys) { g_installed = sys; }

ScopedSystem::ScopedSystem(System& sys)
    : previous_(g_installed)
{
    g_installed = &sys;
}

ScopedSystem::~ScopedSystem() { g_installed = previous_; }

}  // namespace jubilo
