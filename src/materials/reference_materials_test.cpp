#include "materials/reference_materials.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "common/numbers.h"
#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;
using Values = std::vector<double>;

// What an NTC 2018 material's fields follow from its name: a concrete "C<fck>-<Rck> NTC"
// with γc 1,5, fcd = fck / γc, fcd* = 0,85 fcd, τRd = 0,25 fctk / 1,6 with
// fctk = 0,7 · 0,30 fck^(2/3); a steel "B450<class>" with γs 1,15, fyd = fyk / γs,
// εyd = fyd / Es and εsu = 0,9 εuk, εuk 75 ‰ for class C and 25 ‰ for class A.
Values ntc_values(const Materiale& material) {
    if (material.kind == MaterialKind::concrete) {
        int fck = 0, rck = 0;
        EXPECT_EQ(std::sscanf(material.nome.c_str(), "C%d-%d NTC", &fck, &rck), 2) << material.nome;
        EXPECT_EQ(material.nome, "C" + std::to_string(fck) + "-" + std::to_string(rck) + " NTC");
        const double fcd = fck / 1.5;
        const double fctk = 0.7 * 0.30 * std::cbrt(double(fck) * fck);
        return {double(rck), double(fck), 1.5, fcd, 0.85, 0.85 * fcd, 3.5, 0.25 * fctk / 1.6};
    }
    int fyk = 0;
    char steel_class = 0;
    EXPECT_EQ(std::sscanf(material.nome.c_str(), "B%d%c", &fyk, &steel_class), 2) << material.nome;
    EXPECT_TRUE(steel_class == 'A' || steel_class == 'C') << material.nome;
    const double fyd = fyk / 1.15;
    return {double(fyk), 1.15, fyd, 200000, fyd / 200000 * 1000, 0.9 * (steel_class == 'C' ? 75 : 25)};
}

TEST(ReferenceMaterials, NtcValuesFollowFromTheClass) {
    const auto& table = reference_materials();
    ASSERT_EQ(table.size(), 13u);
    EXPECT_EQ(table[0], reference_material(MaterialKind::steel));
    EXPECT_EQ(table[1], reference_material(MaterialKind::concrete));
    std::set<std::string> names;
    for (const Materiale& material : table) EXPECT_TRUE(names.insert(material.nome).second) << material.nome;
    for (std::size_t entry = 2; entry < table.size(); ++entry) {
        const Materiale& material = table[entry];
        SCOPED_TRACE(material.nome);
        ASSERT_EQ(material.fields.size(), field_count(material.kind));
        const Values expected = ntc_values(material);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto value = locale_double(material.fields[i]);
            ASSERT_TRUE(value) << i;
            EXPECT_DOUBLE_EQ(*value, round_to(expected[i], 2)) << i << ": " << material.fields[i];
        }
    }
}

// data/materiali holds exactly the files the program writes for the table.
TEST(ReferenceMaterials, ShippedFilesAreWhatTheProgramWrites) {
    const fs::path shipped = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "materiali";
    const ScratchHome home;
    std::set<std::string> seen;
    for (const MaterialKind kind : {MaterialKind::steel, MaterialKind::concrete}) {
        const fs::path folder = shipped / material_folder(kind).filename();
        for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
            const std::string name = file.path().filename().string();
            SCOPED_TRACE(name);
            const auto& table = reference_materials();
            const auto entry = std::find_if(table.begin(), table.end(),
                                            [&](const Materiale& m) { return m.kind == kind && m.nome == name; });
            ASSERT_NE(entry, table.end());
            ASSERT_TRUE(write_material(*entry));
            EXPECT_EQ(file_bytes(file.path()), file_bytes(material_folder(kind) / name));
            seen.insert(name);
        }
    }
    EXPECT_EQ(seen.size(), reference_materials().size());
}

TEST(ReferenceMaterials, NamesWhatCouldNotBeWritten) {
    const ScratchHome home;
    put_bytes(steel_folder(), "no folder");
    const ReferenceMaterialsAdded added = add_reference_materials();
    EXPECT_EQ(added.written, 10);
    EXPECT_EQ(added.failed, (std::vector<std::string>{"Feb 44 K", "B450C", "B450A"}));
}

}  // namespace
}  // namespace norvexa
