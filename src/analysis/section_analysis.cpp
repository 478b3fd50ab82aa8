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

// A strength, a strain or a modulus that is not positive would turn the formulas'
// signs and pass a failing section; it is refused as an unreadable value is.
float positive(float value) {
    if (!(value > 0)) throw ArithmeticFault("material value not positive");
    return value;
}

}  // namespace

SectionAnalysis::SectionAnalysis(FieldSource& form, Prompter& prompter, AnalysisInput& input,
                                 AnalysisResults& results)
    : form_(form), prompter_(prompter), in_(input), out_(results) {
    disegnasezione = [this] { show_bending_results(in_, out_); };
}

void SectionAnalysis::variabili() {
    form_.set_mouse_pointer(hourglass_pointer);
    fields_ = read_form_fields(form_);
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
    const FormFields& f = fields_;
    try {
        group_ = "Calcestruzzo";
        in_.fcd = positive(single_of(f.con7));
        group_ = "Acciaio";
        in_.fsd = positive(single_of(f.stl4));
        in_.epsyd = positive(single(single_of(f.stl6) / 1000.0));
        group_ = "Calcestruzzo";
        const float ecu = positive(single(single_of(f.con8) / 1000.0));
        group_ = "Acciaio";
        const float esu = positive(single(single_of(f.stl7) / 1000.0));
        in_.modelasticoacc = positive(single_of(f.stl5));
        in_.fck = locale_single(f.con3);
        in_.fcd_struts = locale_single(f.con5);
        in_.taurd = locale_single(f.con9);
        if (f.Check5) {
            // The values only the shear reads: refused when not positive, while a text
            // that is no number is left to the shear, which stops on it with its own message.
            group_ = "Calcestruzzo";
            for (const auto& value : {in_.fck, in_.fcd_struts, in_.taurd})
                if (value) positive(*value);
        }
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
    form_.set_back(calculate_command, colours::light_grey);
    return Outcome::stopped;
}

SectionAnalysis::Outcome SectionAnalysis::read_and_check_section() {
    const FormFields& f = fields_;
    group_ = "Armature Longitudinali";
    const int layers = layer_count_of(f.strati);
    // A count that is none of the list's items cannot say which layers are required.
    if (layers == 0) return refuse();
    for (int i = 0; i < 4; ++i) {
        const bool needed = i < layers;
        if (needed && f.ta[i].empty()) return refuse();
        in_.a[i] = f.ta[i].empty() ? 0 : single_of(f.ta[i]);
        if (needed && f.td[i].empty()) return refuse();
        in_.D[i] = f.td[i].empty() ? 0 : single_of(f.td[i]);
        in_.depths[i] = locale_double(f.td[i]);
    }

    in_.shear = f.Check5;
    if (in_.shear) {
        group_ = "Staffe";
        if (f.ast.empty()) return refuse();
        group_ = "Sollecitazioni: Inserire valore taglio di progetto";
        if (single_of(f.TVS) < 0) return refuse();
        in_.vsd = double_of(f.TVS);
    }
    group_ = "Sollecitazioni: Inserire valore momento sollecitante di progetto";
    if (single_of(f.TMS) < 0) return refuse();
    in_.msd = double_of(f.TMS);

    for (int i = 0; i < 4; ++i) {
        if (f.td[i].empty()) continue;
        for (int j = 0; j < 4; ++j) {
            if (j != i && f.td[j] == f.td[i]) {
                prompter_.ask({"Controllare dati: 2 strati barre alla stessa distanza", Icon::critical, Buttons::ok,
                               "Attenzione"});
                return Outcome::stopped;
            }
        }
    }

    // A rectangle's web sizes take no part in the analysis, nor in the depth check.
    int height = whole16(double_of(f.th));
    if (f.t && !f.th2.empty()) height = whole16(height + whole16(double_of(f.th2)));
    for (int i = 0; i < 4; ++i) {
        if (in_.depths[i] && height < whole16(*in_.depths[i])) {
            prompter_.ask({"Controllare i dati: d" + std::to_string(i + 1) + " > H trave", Icon::critical,
                           Buttons::ok, "Attenzione"});
            return Outcome::stopped;
        }
    }

    group_ = "Geometria sezione";
    in_.b = single_of(f.tb);
    in_.h = single_of(f.th);
    in_.b2 = f.t ? single_of(f.tb2) : 0;
    in_.h2 = f.t ? single_of(f.th2) : 0;
    // Only a project file or a pasted text can bring a size of 0 or below; typing refuses it.
    if (!(in_.b > 0 && in_.h > 0) || (f.t && !(in_.b2 > 0 && in_.h2 > 0))) return refuse();

    in_.ast = locale_double(f.ast);
    in_.numerobraccia = f.nbr;
    in_.diametrostaffe = f.dst;
    in_.passostaffe = f.passo;
    in_.NOMECLS = f.con1;
    in_.NOMEACC = f.stl1;
    return Outcome::go_on;
}

void SectionAnalysis::asseneutro() {
    out_.bending.reset();
    out_.lx.text.clear();
    out_.lm.text.clear();
    in_.b = single(in_.b * 10.0);
    in_.h = single(in_.h * 10.0);
    for (float& a : in_.a) a = single(a * 100.0);
    for (float& d : in_.D) d = single(d * 10.0);
    in_.b2 = single(in_.b2 * 10.0);
    in_.h2 = single(in_.h2 * 10.0);

    const double strip = double_of(fields_.rettang);
    const float tolerance = single(leading_number(fields_.toller));
    const SearchOutcome found = search(in_, strip, tolerance);

    const Trial accepted = evaluate_trial(in_, found.dm, found.trial);
    out_.lx.text = to_text(out_.bending.emplace(bending_at_axis(in_, found, accepted)).neutral_axis);
    momento(accepted);
}

void SectionAnalysis::momento(const Trial& accepted) {
    BendingResult& r = *out_.bending;
    r.x = single(accepted.x + 0.5);
    const Moment m = resisting_moment(in_, accepted, r.x);
    r.sigmac = m.sigmac;
    r.mrd = m.mrd;
    out_.lm.text = rounded_text(r.mrd, 1);
    taglio();
}

void SectionAnalysis::taglio() {
    verify_shear(in_, out_);
    disegnasezione();
}

}  // namespace norvexa
