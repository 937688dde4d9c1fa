#include "Soak.hpp"

#include <fstream>
#include <sstream>

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

long residentKb()
{
    return statusValueKb("VmRSS:");
}

long peakResidentKb()
{
    return statusValueKb("VmHWM:");
}
