#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace norvexa {

// Sets or clears an environment variable for the object's lifetime and
// restores its previous value (or its absence) on destruction.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_) setenv(name_.c_str(), old_->c_str(), 1);
        else unsetenv(name_.c_str());
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// A new empty folder under the system's temporary folder, removed with
// everything in it on destruction. Throws std::runtime_error when none can be made.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
            auto candidate = std::filesystem::temp_directory_path() / ("norvexa-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) path_ = std::move(candidate);
        }
        if (path_.empty()) throw std::runtime_error("no scratch folder");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
inline std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Writes the file with exactly these bytes, making its folder first.
inline void put_bytes(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A scratch folder made the program folder (NORVEXA_HOME) for its lifetime.
class ScratchHome {
  public:
    const std::filesystem::path& path() const { return folder_.path(); }

  private:
    ScratchFolder folder_;
    ScopedVariable home_{"NORVEXA_HOME", folder_.path().c_str()};
};

}  // namespace norvexa
