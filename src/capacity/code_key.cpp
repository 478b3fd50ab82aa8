#include "capacity/code_key.h"

namespace norvexa::capacity {
namespace {

// The value of an enumeration whose name, by the naming given, is the text.
template <typename T, std::size_t size>
std::optional<T> named(const T (&values)[size], const char* (*name)(T), std::string_view text) {
    for (const T value : values)
        if (text == name(value)) return value;
    return std::nullopt;
}

}  // namespace

const char* code_key(Code code) { return code == Code::dm96 ? "dm96" : "ntc2018"; }

const char* code_title(Code code) { return code == Code::dm96 ? "D.M. 9/1/96" : "NTC 2018"; }

std::optional<Code> code_of_key(std::string_view key) {
    constexpr Code codes[] = {Code::dm96, Code::ntc2018};
    return named(codes, code_key, key);
}

const char* kind_key(Kind kind) {
    constexpr const char* keys[] = {"SLU", "RARA", "FREQ", "QP"};
    return keys[static_cast<int>(kind)];
}

const char* kind_title(Kind kind) {
    constexpr const char* titles[] = {"SLU", "caratteristica (rara)", "frequente", "quasi permanente"};
    return titles[static_cast<int>(kind)];
}

std::optional<Kind> kind_of_key(std::string_view key) { return named(kinds, kind_key, key); }
std::optional<Kind> kind_of_title(std::string_view title) { return named(kinds, kind_title, title); }

const char* environment_key(Environment environment) {
    constexpr const char* keys[] = {"ordinario", "aggressivo", "molto-aggressivo"};
    return keys[static_cast<int>(environment)];
}

const char* environment_title(Environment environment) {
    constexpr const char* titles[] = {"ordinario", "aggressivo", "molto aggressivo"};
    return titles[static_cast<int>(environment)];
}

std::optional<Environment> environment_of_key(std::string_view key) {
    return named(environments, environment_key, key);
}
std::optional<Environment> environment_of_title(std::string_view title) {
    return named(environments, environment_title, title);
}

}  // namespace norvexa::capacity
