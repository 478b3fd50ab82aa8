#include "materials/reference_materials.h"

#include <filesystem>
#include <system_error>

namespace norvexa {

const std::vector<Materiale>& reference_materials() {
    using enum MaterialKind;
    static const std::vector<Materiale> materials{
        reference_material(steel),
        reference_material(concrete),
        {steel, "B450C", {"450", "1,15", "391,3", "200000", "1,96", "67,5"}},
        {steel, "B450A", {"450", "1,15", "391,3", "200000", "1,96", "22,5"}},
        {concrete, "C20-25 NTC", {"25", "20", "1,5", "13,33", "0,85", "11,33", "3,5", "0,24"}},
        {concrete, "C25-30 NTC", {"30", "25", "1,5", "16,67", "0,85", "14,17", "3,5", "0,28"}},
        {concrete, "C28-35 NTC", {"35", "28", "1,5", "18,67", "0,85", "15,87", "3,5", "0,30"}},
        {concrete, "C30-37 NTC", {"37", "30", "1,5", "20", "0,85", "17", "3,5", "0,32"}},
        {concrete, "C32-40 NTC", {"40", "32", "1,5", "21,33", "0,85", "18,13", "3,5", "0,33"}},
        {concrete, "C35-45 NTC", {"45", "35", "1,5", "23,33", "0,85", "19,83", "3,5", "0,35"}},
        {concrete, "C40-50 NTC", {"50", "40", "1,5", "26,67", "0,85", "22,67", "3,5", "0,38"}},
        {concrete, "C45-55 NTC", {"55", "45", "1,5", "30", "0,85", "25,5", "3,5", "0,42"}},
        {concrete, "C50-60 NTC", {"60", "50", "1,5", "33,33", "0,85", "28,33", "3,5", "0,45"}},
    };
    return materials;
}

ReferenceMaterialsAdded add_reference_materials() {
    ReferenceMaterialsAdded added;
    for (const Materiale& material : reference_materials()) {
        std::error_code error;
        const bool taken = std::filesystem::exists(material_folder(material.kind) / material.nome, error);
        if (taken) continue;
        if (!error && write_material(material)) ++added.written;
        else added.failed.push_back(material.nome);
    }
    return added;
}

}  // namespace norvexa
