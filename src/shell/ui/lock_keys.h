#pragma once

#include <optional>

namespace norvexa {

// Whether Num Lock and Caps Lock are on; nullopt where the platform does not tell
// (only an X11 display does).
struct LockKeys {
    std::optional<bool> num, caps;
    bool operator==(const LockKeys&) const = default;
};

LockKeys read_lock_keys();

}  // namespace norvexa
