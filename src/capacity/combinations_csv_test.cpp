#include "capacity/combinations_csv.h"

#include <gtest/gtest.h>

namespace norvexa::capacity {
namespace {

using Rows = std::vector<Combination>;
using Read = std::variant<Rows, BadLine>;

TEST(CombinationsCsv, ReadsLinesWithTheDecimalCommaAndAnOptionalShear) {
    const struct {
        const char* line;
        std::optional<Combination> read;
    } cases[] = {
        {"SLU 1;1.250,5;-180,25;95", Combination{"SLU 1", 1250.5, -180.25, 95.0}},
        {"C2;0;12,5;", Combination{"C2", 0, 12.5, std::nullopt}},
        {"C3; -40 ;1e2;  ", Combination{"C3", -40, 100, std::nullopt}},
        {"a;b;1;2;3", Combination{"a;b", 1, 2, 3.0}},  // the name takes the extra semicolons
        {";1;2;", Combination{"", 1, 2, std::nullopt}},
        {"C4;1;2", std::nullopt},
        {"C5;;2;", std::nullopt},
        {"C6;1;2x;", std::nullopt},
        {"C7;1;2;tre", std::nullopt},
        {"C8;1e400;2;", std::nullopt},
        {"C9;1250.5;-0.25;7.5", Combination{"C9", 1250.5, -0.25, 7.5}},  // from a point-decimal spreadsheet
        {"C10;1,250.5;2;", std::nullopt},
        {"R1;10;20;;RARA", Combination{"R1", 10, 20, std::nullopt, Kind::characteristic}},
        {"F1;0;20;5; FREQ ", Combination{"F1", 0, 20, 5.0, Kind::frequent}},
        {"U1;0;20;;SLU", Combination{"U1", 0, 20, std::nullopt}},
        {"Q1;0;20;QP", std::nullopt},  // the kind is a fifth field
        {"Q2;0;20;;qp", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(read_combination_line(c.line), c.read) << c.line;
}

TEST(CombinationsCsv, WritesWhatItReads) {
    const Rows rows = {{"SLU 1", 1250.5, -180.25, 95.0},
                       {"C2", 0, 0.1, std::nullopt},
                       {"x;y", -1e-7, 3e20, 0.0},
                       {"", 123456789012345, -0.000125, std::nullopt},
                       {"QP;1", 2, 3, std::nullopt, Kind::quasi_permanent}};
    const char* const lines[] = {"SLU 1;1250,5;-180,25;95", "C2;0;0,1;", "x;y;-1E-07;3E+20;0",
                                 ";123456789012345;-0,000125;", "QP;1;2;3;;QP"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(combination_line(rows[i]), lines[i]);
        EXPECT_EQ(read_combination_line(lines[i]), rows[i]) << lines[i];
    }
    EXPECT_EQ(combination_line({"due\r\nrighe", 1, 2, std::nullopt}), "due  righe;1;2;");
}

TEST(CombinationsCsv, SkipsBlankLinesAndOneHeaderAndNamesTheFirstBadLine) {
    const Combination c1{"C1", 100, 50, std::nullopt}, c2{"C2", -20, 80, 30.0};
    const struct {
        std::vector<std::string> lines;
        Read read;
    } cases[] = {
        {{"nome;NEd [kN];MEd [kNm];VEd [kN]", "C1;100;50;", "C2;-20;80;30"}, Rows{c1, c2}},
        {{"", "  ", "nome;N;M;", "C1;100;50;", "", "C2;-20;80;30", ""}, Rows{c1, c2}},
        {{"C1;100;50;", "C2;-20;80;30"}, Rows{c1, c2}},
        {{}, Rows{}},
        {{"nome;NEd;MEd;VEd"}, Rows{}},
        {{"nome;NEd;MEd;VEd;tipo", "C1;100;50;;SLU"}, Rows{c1}},
        {{"nome;NEd;MEd;VEd", "nome;NEd;MEd;VEd"}, BadLine{2, "nome;NEd;MEd;VEd"}},
        {{"C1;100;50;", "nome;NEd;MEd;VEd"}, BadLine{2, "nome;NEd;MEd;VEd"}},
        {{"", "C1;abc;50;"}, BadLine{2, "C1;abc;50;"}},  // one number is no header
        {{"Combinazioni", "C1;100;50;"}, BadLine{1, "Combinazioni"}},
        {{"C1;100;50;", "", "C2;-20;80", "C3;1;2;"}, BadLine{3, "C2;-20;80"}},
    };
    for (const auto& c : cases) EXPECT_EQ(read_combinations(c.lines), c.read) << testing::PrintToString(c.lines);
}

TEST(CombinationsCsv, LinesOfUtf8OrWindows1252Bytes) {
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"nome;N;M;V\r\nC1;1;2;\r\n", {"nome;N;M;V", "C1;1;2;"}},
        {"\xEF\xBB\xBFPerché;1;2;\nC2;3;4;", {"Perché;1;2;", "C2;3;4;"}},
        {"Perch\xE9;1;2;\n\nC2;3;4;\r\n", {"Perché;1;2;", "", "C2;3;4;"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(csv_lines(c.bytes), c.lines) << c.bytes;
}

}  // namespace
}  // namespace norvexa::capacity
