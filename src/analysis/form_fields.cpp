#include "analysis/form_fields.h"

#include <type_traits>

namespace norvexa {
namespace {

// Calls visit(name, member) for every field: the one place that names them.
template <typename Fields, typename Visit>
void for_each_field(Fields& f, Visit visit) {
    for (const auto& [name, text] : {std::pair{"con1", &f.con1}, {"con3", &f.con3}, {"con5", &f.con5},
                                     {"con7", &f.con7}, {"con8", &f.con8}, {"con9", &f.con9}, {"stl1", &f.stl1},
                                     {"stl4", &f.stl4}, {"stl5", &f.stl5}, {"stl6", &f.stl6}, {"stl7", &f.stl7},
                                     {"strati", &f.strati}, {"tb", &f.tb}, {"th", &f.th}, {"tb2", &f.tb2},
                                     {"th2", &f.th2}, {"nbr", &f.nbr}, {"dst", &f.dst}, {"passo", &f.passo},
                                     {"ast", &f.ast}, {"TMS", &f.TMS}, {"TVS", &f.TVS}, {"rettang", &f.rettang},
                                     {"toller", &f.toller}})
        visit(std::string(name), *text);
    for (int i = 0; i < 4; ++i) {
        visit("ta" + std::to_string(i + 1), f.ta[i]);
        visit("td" + std::to_string(i + 1), f.td[i]);
    }
    visit("t", f.t);
    visit("Check5", f.Check5);
}

}  // namespace

FormFields read_form_fields(const FieldSource& form) {
    FormFields fields;
    for_each_field(fields, [&form](const std::string& name, auto& field) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, bool>) field = form.value(name) == 1;
        else field = form.text(name);
    });
    return fields;
}

std::vector<std::string> form_field_names() {
    std::vector<std::string> names{calculate_command};
    FormFields fields;
    for_each_field(fields, [&names](const std::string& name, const auto&) { names.push_back(name); });
    return names;
}

}  // namespace norvexa
