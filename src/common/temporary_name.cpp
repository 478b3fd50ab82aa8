#include "common/temporary_name.h"

#include <algorithm>
#include <random>

namespace norvexa {
namespace {

constexpr std::string_view prefix = ".norvexa-", suffix = ".tmp";
constexpr std::string_view characters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t random_length = 8;

}  // namespace

std::string temporary_file_name() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1);
    std::string name(prefix);
    for (std::size_t i = 0; i < random_length; ++i) name += characters[pick(random)];
    return name += suffix;
}

bool is_temporary_file_name(std::string_view name) {
    if (name.size() != prefix.size() + random_length + suffix.size()) return false;
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) return false;
    const auto middle = name.substr(prefix.size(), random_length);
    return std::all_of(middle.begin(), middle.end(),
                       [](char c) { return characters.find(c) != std::string_view::npos; });
}

}  // namespace norvexa
