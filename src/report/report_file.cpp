#include "report/report_file.h"

#include <algorithm>

#include "common/file_replacement.h"
#include "common/line_file.h"
#include "report/rtf_writer.h"

namespace norvexa {

bool names_text_file(std::string_view name) {
    constexpr std::string_view extension = ".txt";
    if (name.size() < extension.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(name.substr(name.size() - extension.size()), extension, {}, lower);
}

bool save_report_file(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    return names_text_file(path.string()) ? write_lines(path, lines) : write_file(path, rtf_document(lines));
}

}  // namespace norvexa
