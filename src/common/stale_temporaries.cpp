#include "common/stale_temporaries.h"

#include <chrono>
#include <system_error>

#include "common/temporary_name.h"

namespace norvexa {

void remove_stale_temporaries(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    constexpr int folder_levels = 2;
    const auto oldest_kept = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::error_code entry_error;
        const auto type = it->symlink_status(entry_error).type();
        if (type == fs::file_type::directory && it.depth() >= folder_levels) it.disable_recursion_pending();
        if (entry_error || type != fs::file_type::regular || !is_temporary_file_name(it->path().filename().native()))
            continue;
        if (const auto written = it->last_write_time(entry_error); !entry_error && written < oldest_kept)
            fs::remove(it->path(), entry_error);
    }
}

}  // namespace norvexa
