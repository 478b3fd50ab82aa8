#include "analysis/shear.h"

#include "analysis/standard_shear.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

void judge(Control& label, bool holds, const char* good, const char* bad) {
    label.text = holds ? good : bad;
    label.fore = holds ? colours::button_text : colours::red;
}

// Each caption as soon as its step has found its value.
void show(ShearStep step, const ShearResult& r, AnalysisResults& out) {
    switch (step) {
    case ShearStep::size: out.lk.text = rounded_text(r.k, 2); break;
    case ShearStep::web: out.lbweb.text = to_text(r.bw); break;
    case ShearStep::steel_ratio: out.lrol.text = rounded_text(r.rho, 5); break;
    case ShearStep::vrd1:
        out.lvrd1.text = rounded_text(r.vrd1 / 1000, 2);
        out.Label73.text = r.minimum_suffices() ? "Vrd1>Vsd: sufficiente min. armatura"
                                                : "Vrd1<Vsd: necessaria armatura taglio";
        break;
    case ShearStep::nu: out.lnu.text = to_text(r.nu); break;
    case ShearStep::struts:
        out.lvrd2.text = rounded_text(r.vrd2 / 1000, 2);
        judge(out.Label76, r.struts_hold(), "Vrd2>Vsd: puntoni cls verificati", "Vrd2<Vsd: puntoni non verificati");
        break;
    case ShearStep::largest_spacing: out.lsmax.text = rounded_text(r.smax / 10, 2); break;
    case ShearStep::spacing:
        judge(out.Label91, r.spacing_holds(), "Passo staffe < Passo max.  OK", "Passo staffe > Passo max!");
        if (r.spacing == 0) out.Label91.text.clear();
        break;
    case ShearStep::vwd: out.lvwd.text = rounded_text(r.vwd / 1000, 2); break;
    case ShearStep::vrd3:
        out.lvrd3.text = rounded_text(r.vrd3 / 1000, 2);
        out.lvsd.text = r.holds() ? ">" : "<";
        out.rlvsd.text = to_text(r.vsd / 1000);
        judge(out.lvtaglio, r.holds(), "Taglio verificato", "Taglio non verificato!");
        break;
    case ShearStep::stirrup_ratio: out.Label81.text = rounded_text(r.ratio, 4); break;
    }
}

}  // namespace

void verify_shear(const AnalysisInput& in, AnalysisResults& out) {
    if (!in.shear) {
        out.shear.reset();
        return;
    }
    const BendingResult& bending = *out.bending;
    StandardShearInput shear;
    shear.d = bending.dm;
    const double x = bending.neutral_axis * 10;
    for (int i = 0; i < 4; ++i)
        if (in.D[i] > x) shear.asl = single(static_cast<double>(shear.asl) + in.a[i]);
    shear.bw = in.b2 != 0 && in.b2 < in.b ? in.b2 : in.b;
    shear.vsd = in.vsd * 1000;
    shear.fsd = in.fsd;
    shear.taurd = in.taurd;
    shear.fck = in.fck;
    shear.fcd = in.fcd_struts;
    shear.ast = in.ast;
    shear.arms = in.numerobraccia;
    shear.diameter = in.diametrostaffe;
    shear.spacing = in.passostaffe;

    ShearResult& r = out.shear.emplace();
    standard_shear(shear, r, [&](ShearStep step) { show(step, r, out); });
}

}  // namespace norvexa
