#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/field_map.h"
#include "capacity/capacity.h"

namespace norvexa::capacity {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

FieldMap form_with(const Texts& texts, bool tee) {
    FieldMap form = FieldMap::with_start_values();
    for (const auto& [name, text] : Texts{{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}})
        form.set_text(name, text);
    if (tee) {
        form.set_value("t", 1);
        form.set_value("rett", 0);
        form.set_text("tb2", "20");
        form.set_text("th2", "40,5");
    }
    for (const auto& [name, text] : texts) form.set_text(name, text);
    return form;
}

TEST(SectionFromForm, ReadsTheRectangleAndTheTeeInMillimetres) {
    const auto rectangle = section_from_form(form_with({{"strati", "N° 2 Strati barre"}, {"ta2", "0"}, {"td2", "4"},
                                                        {"tb2", "99"}, {"th2", "99"}},
                                                       false));
    ASSERT_TRUE(std::holds_alternative<Section>(rectangle)) << std::get<std::string>(rectangle);
    const Section& r = std::get<Section>(rectangle);
    ASSERT_EQ(r.bands.size(), 1u);  // a rectangle's web sizes are not read
    EXPECT_DOUBLE_EQ(r.bands[0].bottom, 500);
    EXPECT_DOUBLE_EQ(r.bands[0].width, 300);
    ASSERT_EQ(r.layers.size(), 2u);
    EXPECT_DOUBLE_EQ(r.layers[0].area, 942);
    EXPECT_DOUBLE_EQ(r.layers[0].depth, 460);
    EXPECT_DOUBLE_EQ(r.layers[1].area, 0);
    EXPECT_DOUBLE_EQ(r.layers[1].depth, 40);

    const auto tee = section_from_form(form_with({{"td1", "85"}}, true));
    ASSERT_TRUE(std::holds_alternative<Section>(tee)) << std::get<std::string>(tee);
    const Section& t = std::get<Section>(tee);
    ASSERT_EQ(t.bands.size(), 2u);
    EXPECT_DOUBLE_EQ(t.bands[1].top, 500);
    EXPECT_DOUBLE_EQ(t.bands[1].bottom, 905);
    EXPECT_DOUBLE_EQ(t.bands[1].width, 200);
    EXPECT_DOUBLE_EQ(t.height(), 905);
    EXPECT_DOUBLE_EQ(t.area(), 300 * 500 + 200 * 405);
    EXPECT_DOUBLE_EQ(t.centroid(), (300 * 500 * 250 + 200 * 405 * 702.5) / (300 * 500 + 200 * 405.0));
}

TEST(SectionFromForm, RefusesEachBadInputNamingIt) {
    struct Case {
        Texts texts;
        bool tee;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{{"tb", ""}}, false, "La sezione non ha un valore valido di B1"},
        {{{"tb", "0"}}, false, "La sezione non ha un valore valido di B1"},
        {{{"th", "-50"}}, false, "La sezione non ha un valore valido di H1"},
        {{{"th", "5O"}}, false, "La sezione non ha un valore valido di H1"},
        {{{"tb", "1e307"}}, false, "La sezione non ha un valore valido di B1"},
        {{{"tb2", ""}}, true, "La sezione non ha un valore valido di B2"},
        {{{"th2", "0"}}, true, "La sezione non ha un valore valido di H2"},
        {{{"strati", "N° 5 Strati barre"}}, false, "La sezione non ha un numero valido di strati barre"},
        {{{"ta1", ""}}, false, "Lo strato 1 non ha un valore valido di As1"},
        {{{"ta1", "-1"}}, false, "Lo strato 1 non ha un valore valido di As1"},
        {{{"td1", ""}}, false, "Lo strato 1 non ha un valore valido di d1"},
        {{{"td1", "0"}}, false, "Lo strato 1 non ha un valore valido di d1"},
        {{{"strati", "N° 3 Strati barre"}, {"ta2", "2"}, {"td2", "4"}, {"ta3", "x"}, {"td3", "10"}}, false,
         "Lo strato 3 non ha un valore valido di As3"},
        {{{"td1", "50"}}, false, "Lo strato 1 è fuori dalla sezione: d1 deve essere minore dell'altezza totale"},
        {{{"strati", "N° 2 Strati barre"}, {"ta2", "2"}, {"td2", "91"}}, true,
         "Lo strato 2 è fuori dalla sezione: d2 deve essere minore dell'altezza totale"},
        {{{"ta1", "0"}}, false, "La sezione non ha armature: almeno uno strato deve avere As maggiore di 0"},
    };
    for (const Case& c : cases) {
        const auto read = section_from_form(form_with(c.texts, c.tee));
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.message;
        EXPECT_EQ(std::get<std::string>(read), c.message);
    }
}

}  // namespace
}  // namespace norvexa::capacity
