#include "common/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "common/arithmetic_fault.h"

namespace norvexa {
namespace {

TEST(LocaleNumber, ReadsTheDecimalCommaAndSkipsGroupingPoints) {
    struct Case { const char* text; double value; } cases[] = {
        {"1,15", 1.15},  {"12.5", 125},      {"200.000", 200000}, {" 13,28 ", 13.28},
        {"-1", -1},      {"+2,5", 2.5},      {"1e3", 1000},       {"1,5E-2", 0.015},
        {",5", 0.5},     {"5,", 5},          {"0", 0},            {"1.234,5", 1234.5},
    };
    for (const auto& c : cases) {
        const auto value = locale_double(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

TEST(LocaleNumber, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "abc", "1,2,3", "1,5.3", "12a", "e3", "1e", ".", ",", "- 1", "1 2"})
        EXPECT_FALSE(locale_double(text).has_value()) << '"' << text << '"';
}

TEST(LocaleNumber, SingleReaderFailsBeyondFloatRange) {
    EXPECT_FALSE(locale_single("1e39").has_value());
    EXPECT_TRUE(locale_double("1e39").has_value());
    EXPECT_FALSE(locale_double("1e400").has_value());
    EXPECT_EQ(*locale_single("13,28"), 13.28f);
}

TEST(LeadingNumber, ReadsAPointDecimalPrefix) {
    struct Case { const char* text; double value; } cases[] = {
        {"12.5", 12.5}, {"12,5", 12}, {"1e3", 1000}, {"", 0},    {"abc", 0},  {"0,8", 0},
        {"00", 0},      {"25", 25},   {"-3.5x", -3.5}, {"  7", 7}, {"1e", 1},  {"150,75", 150},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leading_number(c.text), c.value) << c.text;
}

TEST(ActionNumber, ReadsTheCommaAsTheFormAndAPointWithoutOneAsTheDecimalSign) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"150,75", 150.75}, {"1.250,5", 1250.5}, {"12.5", 12.5}, {" -0.25 ", -0.25}, {"1e3", 1000},
        {"2,5E-1", 0.25},   {"100", 100},        {"1.250.5", std::nullopt},           {"1,250.5", std::nullopt},
        {"", std::nullopt}, {"12a", std::nullopt}, {"1e400", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(action_number(c.text), c.value) << c.text;
}

TEST(NumberToText, UsesTheCommaAndTheTypesSignificantDigits) {
    EXPECT_EQ(to_text(11.15f), "11,15");
    EXPECT_EQ(to_text(0.1f + 0.2f), "0,3");
    EXPECT_EQ(to_text(0.1 + 0.2), "0,3");
    EXPECT_EQ(to_text(46.0f), "46");
    EXPECT_EQ(to_text(200000.0), "200000");
    EXPECT_EQ(to_text(-0.0), "0");
    EXPECT_EQ(to_text(1e20), "1E+20");
    EXPECT_EQ(to_text(0.00001), "1E-05");
    EXPECT_EQ(to_text(12345678.0f), "1,234568E+07");
    EXPECT_THROW(to_text(std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(to_text(std::nan("")), ArithmeticFault);
}

TEST(RoundTo, HalvesGoToEvenOnTheBinaryValue) {
    EXPECT_EQ(rounded_text(4.02112, 2), "4,02");
    EXPECT_EQ(rounded_text(0.5, 0), "0");
    EXPECT_EQ(rounded_text(1.5, 0), "2");
    EXPECT_EQ(rounded_text(2.5, 0), "2");
    EXPECT_EQ(rounded_text(0.125, 2), "0,12");   // exactly half: even
    EXPECT_EQ(rounded_text(0.375, 2), "0,38");
    EXPECT_EQ(rounded_text(2.675, 2), "2,67");   // binary value lies below the half
    EXPECT_EQ(rounded_text(80.685, 0), "81");
    EXPECT_EQ(rounded_text(-1.25, 1), "-1,2");
}

TEST(RoundTo, FastPathAgreesWithPrintedRounding) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> magnitude(-12, 10);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::pow(10.0, magnitude(rng)) * (i % 2 ? -1 : 1);
        const int decimals = i % 5;
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        ASSERT_EQ(round_to(value, decimals), std::strtod(buffer, nullptr)) << value << " " << decimals;
    }
}

TEST(FileNumber, WritesABlankForThePlusSignAndReadsIgnoringBlanks) {
    EXPECT_EQ(file_number(1), " 1 ");
    EXPECT_EQ(file_number(-1), "-1 ");
    EXPECT_EQ(file_number(12648447), " 12648447 ");
    EXPECT_EQ(read_file_number(" 20 "), 20);
    EXPECT_EQ(read_file_number("-5"), -5);
    EXPECT_FALSE(read_file_number("").has_value());
    EXPECT_FALSE(read_file_number(" 2 0 ").has_value());
    EXPECT_FALSE(read_file_number("abc").has_value());
}

}  // namespace
}  // namespace norvexa
