#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_replacement.h"

namespace norvexa {

// Windows-1252 <-> UTF-8. A character that Windows-1252 cannot hold becomes '?';
// invalid UTF-8 bytes also become '?'.
std::string to_windows1252(std::string_view utf8);
std::string from_windows1252(std::string_view bytes);

// The first character of the text that Windows-1252 cannot hold (U+FFFD for bytes that
// are no UTF-8), which a line file would store as '?'; nullopt when there is none.
std::optional<char32_t> first_unstorable(std::string_view utf8);

// How a message names a character: in guillemets, with its code: «γ» (U+03B3).
std::string quoted_character(char32_t code_point);

// Appends the code point as UTF-8; a surrogate, which UTF-8 cannot hold, becomes U+FFFD.
void append_utf8(std::string& out, char32_t code_point);

// The fields of a line between its separators: one more than there are separators, empty
// ones included.
std::vector<std::string_view> split_fields(std::string_view line, char separator);

// The code point of a Windows-1252 byte.
char32_t windows1252_code_point(unsigned char byte);

// The Windows-1252 byte of a code point; nullopt when Windows-1252 cannot hold it.
std::optional<char> windows1252_byte(char32_t code_point);

// Decodes the UTF-8 sequence starting at text[i] and advances i past it. A malformed
// sequence (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF,
// cut short) yields nullopt and advances one byte.
std::optional<char32_t> next_code_point(std::string_view text, std::size_t& i);

// The bytes of a regular file (a symbolic link is followed) of at most max_bytes; nullopt
// when it is missing, unreadable, larger, or no regular file. The file is opened without
// blocking and checked on the open descriptor, so a FIFO or a device is never waited on.
std::optional<std::string> read_small_file(const std::filesystem::path& path, std::size_t max_bytes);

// The largest line file read: projects, materials and settings are a few hundred bytes.
inline constexpr std::size_t largest_line_file_bytes = 16 * 1024 * 1024;

// Reads a single-byte line file: Windows-1252 on disk, UTF-8 returned; lines end with
// CR LF or a lone LF, and a last line without an ending still counts. nullopt when the
// file cannot be opened or read (missing, no permission), is larger than
// largest_line_file_bytes, or is not a regular file (a folder, a FIFO, a device), which
// is never waited on.
std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& path);

// Writes the lines, each followed by CR LF, in Windows-1252, through write_file.
bool write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace norvexa
