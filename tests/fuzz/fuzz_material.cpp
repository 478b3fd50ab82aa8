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
    enter_worked_example(p.form);
    p.form.choose("File1", fuzz_name);
    p.form.choose("File2", reference_material(MaterialKind::concrete).nome);
    p.form.Command1_Click();
    p.form.choose("File1", reference_material(MaterialKind::steel).nome);
    p.form.choose("File2", fuzz_name);
    p.form.Command1_Click();
    return 0;
}
