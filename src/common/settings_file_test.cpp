#include "common/settings_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

void put_settings(const std::vector<std::string>& lines) { ASSERT_TRUE(write_lines(settings_file(), lines)); }

TEST(SettingsFile, ReadsTheDefaultsFile) {
    const ScratchHome home;
    put_settings({" 12648447 ", " 16777152 ", " 14737632 ", " 32768 ", " 20 ", " 10 "});
    EXPECT_EQ(read_input_form_settings(), DisplaySettings{});
    EXPECT_EQ(read_analysis_window_colours(), (std::array<Colour, 4>{12648447, 16777152, 14737632, 32768}));
    EXPECT_EQ(read_settings_numbers(6), (std::array<long, 6>{12648447, 16777152, 14737632, 32768, 20, 10}));
}

TEST(SettingsFile, AFileThatIsNotARegularFileIsReadAsMissing) {
    const ScratchHome home;
    ASSERT_EQ(mkfifo(settings_file().c_str(), 0600), 0);
    EXPECT_FALSE(read_input_form_settings().has_value());
    EXPECT_FALSE(read_analysis_window_colours().has_value());
}

TEST(SettingsFile, EachReaderNeedsItsOwnLines) {
    const ScratchHome home;
    EXPECT_FALSE(read_input_form_settings().has_value());
    EXPECT_FALSE(read_analysis_window_colours().has_value());

    put_settings({"1", "2", "3", "4"});
    EXPECT_EQ(read_analysis_window_colours(), (std::array<Colour, 4>{1, 2, 3, 4}));
    EXPECT_FALSE(read_input_form_settings().has_value());
    EXPECT_EQ(read_settings_numbers(2), (std::array<long, 6>{1, 2, 0, 0, 0, 0}));

    put_settings({"1", "2", "3", "4", "giallo", "6"});
    EXPECT_TRUE(read_analysis_window_colours().has_value());
    EXPECT_FALSE(read_input_form_settings().has_value());
}

TEST(SettingsFile, ReadsEachLineAsAWhole32BitNumber) {
    const ScratchHome home;
    struct Case { const char* line; std::optional<long> number; } cases[] = {
        {"  25\t", 25},   {"-5 ", -5},         {"2,5", 2},           {"3,5", 4},
        {"-0,5", 0},      {"1.000", 1000},     {"2147483647", 2147483647L},
        {"-2147483648", -2147483648L},         {"2147483648", std::nullopt},
        {"", std::nullopt}, {"x", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const auto& c : cases) {
        put_settings({c.line});
        const auto numbers = read_settings_numbers(1);
        const auto first = numbers ? std::optional((*numbers)[0]) : std::nullopt;
        EXPECT_EQ(first, c.number) << '"' << c.line << '"';
    }
}

TEST(SettingsFile, WritesAndReadsBack) {
    const ScratchHome home;
    const DisplaySettings settings{255, colours::button_face, 0, colours::white, "25", "1"};
    ASSERT_TRUE(write_settings(settings));
    EXPECT_EQ(read_lines(settings_file()),
              (std::vector<std::string>{" 255 ", "-2147483633 ", " 0 ", " 16777215 ", "25", "1"}));
    EXPECT_EQ(read_input_form_settings(), settings);
}

TEST(SettingsFile, SliderTextsAboveTheirBoundsAreWrittenAsTheBound) {
    const ScratchHome home;
    struct Case { const char* strip; const char* tolerance; const char* strip_line; const char* tolerance_line; }
    cases[] = {
        {"40", "20", "40", "20"},
        {"41", "21", " 40 ", " 20 "},
        {"40,5", "1.000", " 40 ", " 20 "},
        {"", "abc", "", "abc"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(write_settings({.strip = c.strip, .tolerance = c.tolerance}));
        const auto lines = read_lines(settings_file());
        ASSERT_TRUE(lines && lines->size() == 6) << c.strip;
        EXPECT_EQ((*lines)[4], c.strip_line) << c.strip;
        EXPECT_EQ((*lines)[5], c.tolerance_line) << c.tolerance;
    }
}

}  // namespace
}  // namespace norvexa
