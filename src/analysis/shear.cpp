#include "analysis/shear.h"

#include "analysis/form_numbers.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

void judge(Control& label, bool holds, const char* good, const char* bad) {
    label.text = holds ? good : bad;
    label.fore = holds ? colours::button_text : colours::red;
}

}  // namespace

void verify_shear(const AnalysisInput& in, AnalysisResults& out) {
    if (!in.shear) {
        out.shear.reset();
        return;
    }
    ShearResult& r = out.shear.emplace();
    const BendingResult& bending = *out.bending;
    const double d = bending.dm;

    const float taurd = required(in.taurd);
    r.k = single(1.6 - single(d / 1000));
    if (r.k < 1) r.k = 1;
    out.lk.text = rounded_text(r.k, 2);

    const double x = bending.neutral_axis * 10;
    float asl = 0;
    for (int i = 0; i < 4; ++i)
        if (in.D[i] > x) asl = single(static_cast<double>(asl) + in.a[i]);

    r.bw = in.b;
    if (in.b2 != 0 && in.b2 < in.b) r.bw = in.b2;
    out.lbweb.text = to_text(r.bw);

    r.rho = single(divide(asl, single(static_cast<double>(r.bw) * d)));
    out.lrol.text = rounded_text(r.rho, 5);

    r.vrd1 = finite(static_cast<double>(taurd) * r.k * (1.2 + 40.0 * r.rho) * r.bw * d);
    out.lvrd1.text = rounded_text(r.vrd1 / 1000, 2);

    r.vsd = in.vsd * 1000;
    out.Label73.text = r.minimum_suffices() ? "Vrd1>Vsd: sufficiente min. armatura"
                                            : "Vrd1<Vsd: necessaria armatura taglio";

    r.nu = single(0.7 - static_cast<double>(required(in.fck)) / 200);
    out.lnu.text = to_text(r.nu);
    r.vrd2 = finite(0.5 * r.nu * required(in.fcd_struts) * r.bw * 0.9 * d);
    out.lvrd2.text = rounded_text(r.vrd2 / 1000, 2);
    judge(out.Label76, r.struts_hold(), "Vrd2>Vsd: puntoni cls verificati", "Vrd2<Vsd: puntoni non verificati");

    r.smax = r.vsd <= r.vrd2 / 5 ? 0.8 * d : r.vsd <= 2.0 / 3 * r.vrd2 ? 0.6 * d : 0.3 * d;
    if (r.smax > 300) r.smax = 300;
    out.lsmax.text = rounded_text(r.smax / 10, 2);

    r.spacing = double_or_zero(in.passostaffe) * 10;
    judge(out.Label91, r.spacing_holds(), "Passo staffe < Passo max.  OK", "Passo staffe > Passo max!");
    if (r.spacing == 0) out.Label91.text.clear();

    const double asw = required(in.ast) * 100 * r.spacing / 1000;
    r.vwd = divide(static_cast<double>(in.fsd) * d * 0.9 * asw, r.spacing);
    out.lvwd.text = rounded_text(r.vwd / 1000, 2);

    r.vrd3 = r.vrd1 + r.vwd;
    out.lvrd3.text = rounded_text(r.vrd3 / 1000, 2);
    out.lvsd.text = r.holds() ? ">" : "<";
    out.rlvsd.text = to_text(r.vsd / 1000);
    judge(out.lvtaglio, r.holds(), "Taglio verificato", "Taglio non verificato!");

    const double arms = double_of(in.numerobraccia);
    const double diameter = double_of(in.diametrostaffe);
    const double spacing = double_of(in.passostaffe);
    const double radius = diameter / 10 / 2;
    const double per_metre = round_to(divide(arms * 3.1415 * radius * radius * 100, spacing), 2);
    r.ratio = divide(per_metre, static_cast<double>(r.bw) * spacing);
    out.Label81.text = rounded_text(r.ratio, 4);
}

}  // namespace norvexa
