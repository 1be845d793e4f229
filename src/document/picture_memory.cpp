#include "document/picture_memory.h"

#include <unistd.h>

namespace {

std::int64_t budgetSet = 0;

std::int64_t halfThePhysicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return std::int64_t{1} << 31;  // unknown: 2 GiB
    return static_cast<std::int64_t>(pages) * pageSize / 2;
}

}  // namespace

std::int64_t pictureMemoryBudget() {
    return budgetSet > 0 ? budgetSet : halfThePhysicalMemory();
}

void setPictureMemoryBudget(std::int64_t bytes) {
    budgetSet = bytes;
}
