#include "capacity/code_key.h"

namespace norvexa::capacity {

const char* code_key(Code code) { return code == Code::dm96 ? "dm96" : "ntc2018"; }

const char* code_title(Code code) { return code == Code::dm96 ? "D.M. 9/1/96" : "NTC 2018"; }

std::optional<Code> code_of_key(std::string_view key) {
    for (const Code code : {Code::dm96, Code::ntc2018})
        if (key == code_key(code)) return code;
    return std::nullopt;
}

}  // namespace norvexa::capacity
