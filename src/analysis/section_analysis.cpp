#include "analysis/section_analysis.h"

#include "analysis/bending_results.h"
#include "analysis/form_numbers.h"
#include "analysis/layer_count.h"
#include "analysis/moment.h"
#include "analysis/shear.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

std::string field(const char* stem, int layer) { return stem + std::to_string(layer + 1); }

// A strength, a strain or a modulus that is not positive would turn the formulas'
// signs and pass a failing section; it is refused as an unreadable value is.
float positive(float value) {
    if (!(value > 0)) throw ArithmeticFault("material value not positive");
    return value;
}

// The concrete values only the shear reads: refused when not positive, while a text
// that is no number is left to the shear, which stops on it with its own message.
void check_positive_if_number(const std::string& text) {
    if (const auto value = locale_single(text)) positive(*value);
}

}  // namespace

SectionAnalysis::SectionAnalysis(FieldSource& form, Prompter& prompter, AnalysisInput& input,
                                 AnalysisResults& results)
    : form_(form), prompter_(prompter), in_(input), out_(results) {
    disegnasezione = [this] { show_bending_results(form_, in_, out_); };
}

void SectionAnalysis::variabili() {
    form_.set_mouse_pointer(hourglass_pointer);
    if (read_materials() == Outcome::stopped) return;
    try {
        if (read_and_check_section() == Outcome::stopped) return;
        group_ = "(no found)";
        asseneutro();
    } catch (const ArithmeticFault&) {
        refuse();
    }
}

SectionAnalysis::Outcome SectionAnalysis::read_materials() {
    try {
        group_ = "Calcestruzzo";
        in_.fcd = positive(single_of(form_.text("con7")));
        group_ = "Acciaio";
        in_.fsd = positive(single_of(form_.text("stl4")));
        in_.epsyd = positive(single(single_of(form_.text("stl6")) / 1000.0));
        group_ = "Calcestruzzo";
        const float ecu = positive(single(single_of(form_.text("con8")) / 1000.0));
        group_ = "Acciaio";
        const float esu = positive(single(single_of(form_.text("stl7")) / 1000.0));
        in_.modelasticoacc = positive(single_of(form_.text("stl5")));
        if (form_.value("Check5") == 1) {
            group_ = "Calcestruzzo";
            for (const char* value : {"con3", "con5", "con9"}) check_positive_if_number(form_.text(value));
        }
        out_.xsud = 0;
        out_.dm = 0;
        const float ratio = single(divide(ecu, esu));
        in_.bestxsud = single(divide(ratio, single(1.0 + ratio)));
        return Outcome::go_on;
    } catch (const ArithmeticFault&) {
        prompter_.ask({"Controllare i dati " + group_, Icon::critical, Buttons::ok, "Errore"});
        return Outcome::stopped;
    }
}

SectionAnalysis::Outcome SectionAnalysis::refuse() {
    prompter_.ask({"Controllare dati " + group_, Icon::critical, Buttons::ok, "Attenzione"});
    form_.set_back("Command1", colours::light_grey);
    return Outcome::stopped;
}

SectionAnalysis::Outcome SectionAnalysis::read_and_check_section() {
    group_ = "Armature Longitudinali";
    const int layers = layer_count_of(form_.text("strati"));
    // A count that is none of the list's items cannot say which layers are required.
    if (layers == 0) return refuse();
    for (int i = 0; i < 4; ++i) {
        const std::string area = form_.text(field("ta", i));
        const std::string depth = form_.text(field("td", i));
        const bool required = i < layers;
        if (required && area.empty()) return refuse();
        in_.a[i] = area.empty() ? 0 : single_of(area);
        if (required && depth.empty()) return refuse();
        in_.D[i] = depth.empty() ? 0 : single_of(depth);
    }

    if (form_.value("Check5") == 1) {
        group_ = "Staffe";
        if (form_.text("ast").empty()) return refuse();
        group_ = "Sollecitazioni: Inserire valore taglio di progetto";
        if (single_of(form_.text("TVS")) < 0) return refuse();
    }
    group_ = "Sollecitazioni: Inserire valore momento sollecitante di progetto";
    if (single_of(form_.text("TMS")) < 0) return refuse();

    for (int i = 0; i < 4; ++i) {
        const std::string depth = form_.text(field("td", i));
        if (depth.empty()) continue;
        for (int j = 0; j < 4; ++j) {
            if (j != i && form_.text(field("td", j)) == depth) {
                prompter_.ask({"Controllare dati: 2 strati barre alla stessa distanza", Icon::critical, Buttons::ok,
                               "Attenzione"});
                return Outcome::stopped;
            }
        }
    }

    const bool tee = form_.value("t") == 1;
    // A rectangle's web sizes take no part in the analysis, nor in the depth check.
    int height = whole16(double_of(form_.text("th")));
    if (tee && !form_.text("th2").empty()) height = whole16(height + whole16(double_of(form_.text("th2"))));
    for (int i = 0; i < 4; ++i) {
        const std::string depth = form_.text(field("td", i));
        if (!depth.empty() && height < whole16(double_of(depth))) {
            prompter_.ask({"Controllare i dati: d" + std::to_string(i + 1) + " > H trave", Icon::critical,
                           Buttons::ok, "Attenzione"});
            return Outcome::stopped;
        }
    }

    group_ = "Geometria sezione";
    in_.b = single_of(form_.text("tb"));
    in_.h = single_of(form_.text("th"));
    in_.b2 = tee ? single_of(form_.text("tb2")) : 0;
    in_.h2 = tee ? single_of(form_.text("th2")) : 0;
    // Only a project file or a pasted text can bring a size of 0 or below; typing refuses it.
    if (!(in_.b > 0 && in_.h > 0) || (tee && !(in_.b2 > 0 && in_.h2 > 0))) return refuse();

    in_.numerobraccia = form_.text("nbr");
    in_.diametrostaffe = form_.text("dst");
    in_.passostaffe = form_.text("passo");
    in_.NOMECLS = form_.text("con1");
    in_.NOMEACC = form_.text("stl1");
    return Outcome::go_on;
}

void SectionAnalysis::asseneutro() {
    out_.lx.text.clear();
    out_.lm.text.clear();
    in_.b = single(in_.b * 10.0);
    in_.h = single(in_.h * 10.0);
    for (float& a : in_.a) a = single(a * 100.0);
    for (float& d : in_.D) d = single(d * 10.0);
    in_.b2 = single(in_.b2 * 10.0);
    in_.h2 = single(in_.h2 * 10.0);

    const double strip = double_of(form_.text("rettang"));
    const float tolerance = single(leading_number(form_.text("toller")));
    const SearchOutcome found = search(in_, strip, tolerance);

    out_.dm = found.dm;
    const Trial accepted = evaluate_trial(in_, found.dm, found.trial);
    out_.xsud = accepted.xsud;
    out_.epsclsz = accepted.epsclsz;
    out_.eps = accepted.eps;
    out_.sigma = accepted.sigma;
    out_.lx.text = rounded_text(single(found.trial / 10.0), 2);
    momento(accepted);
}

void SectionAnalysis::momento(const Trial& accepted) {
    out_.x = single(accepted.x + 0.5);
    const Moment m = resisting_moment(in_, accepted, out_.x);
    out_.sigmac = m.sigmac;
    out_.lm.text = rounded_text(m.mrd, 1);
    taglio();
}

void SectionAnalysis::taglio() {
    verify_shear(form_, in_, out_);
    disegnasezione();
}

}  // namespace norvexa
