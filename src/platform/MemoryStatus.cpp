#include "MemoryStatus.h"

#include <sys/sysinfo.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace memory_status {

namespace {

Source g_source;

// Both amounts in the same unit; available may exceed total in a text that is not the kernel's.
MEMORYSTATUS FromAmounts(std::uint64_t total, std::uint64_t available, std::uint64_t bytesPerUnit)
{
    MEMORYSTATUS status;
    status.dwTotalPhys = total * bytesPerUnit;
    if (total > 0) {
        const std::uint64_t inUse = total - std::min(available, total);
        // Rounded to the nearest per cent in 128 bits: no product of two 64-bit amounts overflows.
        const auto load = (static_cast<unsigned __int128>(inUse) * 200 + total) /
                          (2 * static_cast<unsigned __int128>(total));
        status.dwMemoryLoad = static_cast<std::uint32_t>(load);
    }
    return status;
}

} // namespace

MEMORYSTATUS FromMeminfo(std::istream& text)
{
    std::optional<std::uint64_t> total, available;
    std::uint64_t free = 0, buffers = 0, cached = 0;
    std::string line;
    while (std::getline(text, line)) {
        // "Name:   amount kB"
        std::istringstream fields(line);
        std::string name;
        std::uint64_t kilobytes = 0;
        if (!(fields >> name >> kilobytes)) {
            continue;
        }
        if (name == "MemTotal:") {
            total = kilobytes;
        } else if (name == "MemAvailable:") {
            available = kilobytes;
        } else if (name == "MemFree:") {
            free = kilobytes;
        } else if (name == "Buffers:") {
            buffers = kilobytes;
        } else if (name == "Cached:") {
            cached = kilobytes;
        }
    }
    if (!total) {
        return {};
    }
    return FromAmounts(*total, available.value_or(free + buffers + cached), 1024);
}

MEMORYSTATUS ReadFromSystem()
{
    std::ifstream meminfo("/proc/meminfo");
    if (meminfo) {
        const MEMORYSTATUS status = FromMeminfo(meminfo);
        if (status.dwTotalPhys > 0) {
            return status;
        }
    }
    struct sysinfo figures {};
    if (sysinfo(&figures) != 0) {
        return {};
    }
    return FromAmounts(figures.totalram, figures.freeram + figures.bufferram, figures.mem_unit);
}

void SetSource(Source source)
{
    g_source = std::move(source);
}

} // namespace memory_status

void GlobalMemoryStatus(MEMORYSTATUS& status)
{
    status = memory_status::g_source ? memory_status::g_source() : memory_status::ReadFromSystem();
}
