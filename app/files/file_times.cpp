#include "app/files/file_times.h"

#include <filesystem>
#include <system_error>

uint64_t LastWriteTime(const std::string& sPath) {
    if (sPath.empty()) {
        return 0;
    }
    std::error_code ec;
    const auto tTime = std::filesystem::last_write_time(std::filesystem::path(sPath), ec);
    if (ec) {
        return 0;
    }
    const auto lCount = tTime.time_since_epoch().count();
    // A time that happens to be the epoch itself must still read as "found".
    return lCount == 0 ? 1 : static_cast<uint64_t>(lCount);
}
