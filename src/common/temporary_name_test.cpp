#include "common/temporary_name.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

TEST(TemporaryName, ShortRandomAndRecognised) {
    std::set<std::string> names;
    for (int i = 0; i < 100; ++i) {
        const auto name = temporary_file_name();
        EXPECT_EQ(name.size(), 21u) << name;
        EXPECT_TRUE(is_temporary_file_name(name)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 100u);
}

TEST(TemporaryName, NoOtherNameIsTakenForOne) {
    using namespace std::string_literals;
    const struct {
        std::string name;
        bool temporary;
    } cases[] = {
        {".norvexa-0a1b2c3z.tmp", true},
        {".norvexa-0a1b2c3.tmp", false},     // seven characters
        {".norvexa-0a1b2c3zz.tmp", false},   // nine
        {".norvexa-0A1B2C3Z.tmp", false},    // upper case
        {".norvexa-0a1b2c.z.tmp", false},    // a dot inside
        {".norvexa-0a1b2c3z.TMP", false},
        {".norvexa-0a1b2c3z.tmp~", false},
        {"norvexa-0a1b2c3z.tmp", false},     // not hidden
        {".Feb 44 K.123456789.tmp", false},  // the old shape
        {"Feb 44 K.tmp", false},
        {".norvexa-0a1b2c\0z.tmp"s, false},
        {"", false},
    };
    for (const auto& [name, temporary] : cases) EXPECT_EQ(is_temporary_file_name(name), temporary) << name;
}

}  // namespace
}  // namespace norvexa
