// The material reader: the input is a material file of either kind. Each reading is
// then loaded into the input form over the 30 x 50 example section, beside the other
// kind's reference material, and calculated.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "materials/material_files.h"
#include "scripted_program.h"

namespace {

constexpr const char* fuzz_name = "fuzz";

// The example section: 30 x 50 cm, 9,42 cm² at 46 cm, 100 kNm, 100 kN,
// stirrups of two arms, 8 mm every 10 cm.
void enter_example(norvexa::Form1& form) {
    for (const auto& [name, text] :
         {std::pair{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"},
          {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}}) {
        form.type(name, text);
        form.leave(name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norvexa::fuzz::home_with_library();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    for (const MaterialKind kind : {MaterialKind::steel, MaterialKind::concrete}) {
        fuzz::put_file(material_folder(kind) / fuzz_name, fuzz::bytes_of(data, size));
        const MaterialRead read = read_material(kind, fuzz_name);
        if (read.error == MaterialError::none)
            fuzz::expect(read.material.fields.size() == field_count(kind), "a material read with the wrong field count");
    }
    ScriptedProgram p;
    p.form.Form_Load();
    enter_example(p.form);
    p.form.choose("File1", fuzz_name);
    p.form.choose("File2", reference_material(MaterialKind::concrete).nome);
    p.form.Command1_Click();
    p.form.choose("File1", reference_material(MaterialKind::steel).nome);
    p.form.choose("File2", fuzz_name);
    p.form.Command1_Click();
    return 0;
}
