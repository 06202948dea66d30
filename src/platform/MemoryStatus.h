// The desktop's memory status record and the call that fills it, over Linux's own
// figures. The total is 64-bit: a 32-bit field would stop at 4 GiB, below what machines
// have today.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>

struct MEMORYSTATUS {
    std::uint32_t dwMemoryLoad = 0; // per cent of the physical memory in use, 0 to 100
    std::uint64_t dwTotalPhys = 0;  // the whole physical memory in bytes
};

namespace memory_status {

// Where the figures come from. The default reads the running system; tests and the
// scenario runner put their own in place.
using Source = std::function<MEMORYSTATUS()>;

// The figures of a /proc/meminfo text: the total is MemTotal, the memory in use is MemTotal
// less MemAvailable, the load is its share rounded to the nearest per cent (a half up).
// Where MemAvailable is missing (kernels before 3.14), MemFree, Buffers and Cached stand in.
// A text without MemTotal gives zeros.
MEMORYSTATUS FromMeminfo(std::istream& text);

// /proc/meminfo, or sysinfo() where it cannot be read.
MEMORYSTATUS ReadFromSystem();

// Replaces the source; an empty one means the system again.
void SetSource(Source source);

} // namespace memory_status

// Fills status from the source in force.
void GlobalMemoryStatus(MEMORYSTATUS& status);
