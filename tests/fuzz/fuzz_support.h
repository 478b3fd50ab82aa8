#pragma once

// What the fuzz targets share: one scratch program folder per process, the byte views
// of an input and a reader that turns an input into a stream of small values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "materials/material_files.h"
#include "scratch_folder.h"

namespace norvexa::fuzz {

// The program folder of this process, made on first use and set as NORVEXA_HOME; it is
// removed when the process ends normally.
inline const ScratchHome& home() {
    static const ScratchHome folder;
    return folder;
}

inline std::string_view bytes_of(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the process with a message when a property the core promises does not hold,
// so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "norvexa fuzz: %s\n", what);
    std::abort();
}

inline void expect(bool holds, const char* what) {
    if (!holds) broken(what);
}

// Writes the bytes as the whole file, failing loudly: a target that cannot lay out its
// input tests nothing. The file is made anew, without the program's flush to disk:
// rewriting a file in place or renaming over it has the file system flush it, which
// would slow every run down to the disk's pace.
inline void put_file(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    expect(static_cast<bool>(out), "cannot write the input file");
}

// Reads an input front to back; past the end every byte reads 0 and every text is empty.
class ByteStream {
  public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    // Up to `count` bytes, fewer at the end of the input.
    std::string bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size_ - std::min(position_, size_));
        std::string out(reinterpret_cast<const char*>(data_ + position_), taken);
        position_ += taken;
        return out;
    }
    // A length byte (modulo `longest` + 1), then that many bytes.
    std::string text(std::size_t longest) { return bytes(byte() % (longest + 1)); }
    std::int64_t int64() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) value = value << 8 | byte();
        return static_cast<std::int64_t>(value);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// The scratch program folder with the two reference materials in its library: what a
// target that opens projects or calculates needs before its first input.
inline void home_with_library() {
    home();
    expect(write_material(reference_material(MaterialKind::steel)), "cannot write the steel");
    expect(write_material(reference_material(MaterialKind::concrete)), "cannot write the concrete");
}

}  // namespace norvexa::fuzz
