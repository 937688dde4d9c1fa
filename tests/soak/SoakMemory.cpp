#include "Soak.hpp"

#include <fstream>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>

// The sanitizer runtime's own count; GCC ships the runtime but not its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

long statusValueKb(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            std::istringstream fields(line.substr(key.size()));
            long kb = 0;
            fields >> kb;
            return kb;
        }
    }
    return 0;
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
long residentKb()
{
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}

const char* residentName()
{
    return "heap in use";
}
#else
long residentKb()
{
    return statusValueKb("VmRSS:");
}

const char* residentName()
{
    return "RSS";
}
#endif

long peakResidentKb()
{
    return statusValueKb("VmHWM:");
}
