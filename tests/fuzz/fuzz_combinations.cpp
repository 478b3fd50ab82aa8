// The combinations file reader: the input is the bytes of a CSV file, split into lines
// and read as the command line reads it. A file that is read gives combinations whose
// lines, as the project writes them, read back to the same lines; a file that is refused
// names one of its own lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "capacity/combinations_csv.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    using namespace norvexa::capacity;
    const std::vector<std::string> lines = csv_lines(fuzz::bytes_of(data, size));
    const auto read = read_combinations(lines);
    if (const auto* bad = std::get_if<BadLine>(&read)) {
        fuzz::expect(bad->number >= 1 && bad->number <= lines.size(), "a refused line beyond the file");
        fuzz::expect(bad->text == lines[bad->number - 1], "a refused line named with another text");
        fuzz::expect(!read_combination_line(bad->text), "a refused line that reads as a combination");
        return 0;
    }
    std::vector<std::string> written;
    for (const Combination& row : std::get<std::vector<Combination>>(read)) {
        written.push_back(combination_line(row));
        const auto again = read_combination_line(written.back());
        fuzz::expect(again.has_value(), "a written combination does not read back");
        fuzz::expect(combination_line(*again) == written.back(), "a written combination reads back different");
        fuzz::expect(again->VEd.has_value() == row.VEd.has_value(), "a written shear comes and goes");
    }
    const auto reread = read_combinations(written);
    fuzz::expect(std::holds_alternative<std::vector<Combination>>(reread) &&
                     std::get<std::vector<Combination>>(reread).size() == written.size(),
                 "written combinations do not read back as many");
    return 0;
}
