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
    if (!in.shear) return;
    const double d = out.dm;

    const float taurd = required(in.taurd);
    float k = single(1.6 - single(d / 1000));
    if (k < 1) k = 1;
    out.lk.text = rounded_text(k, 2);

    const double x = double_of(out.lx.text) * 10;
    float asl = 0;
    for (int i = 0; i < 4; ++i)
        if (in.D[i] > x) asl = single(static_cast<double>(asl) + in.a[i]);

    float bw = in.b;
    if (in.b2 != 0 && in.b2 < in.b) bw = in.b2;
    out.lbweb.text = to_text(bw);

    const float rho = single(divide(asl, single(static_cast<double>(bw) * d)));
    out.lrol.text = rounded_text(rho, 5);

    const double vrd1 = finite(static_cast<double>(taurd) * k * (1.2 + 40.0 * rho) * bw * d);
    out.lvrd1.text = rounded_text(vrd1 / 1000, 2);

    const double vsd = in.vsd * 1000;
    out.Label73.text = vrd1 > vsd ? "Vrd1>Vsd: sufficiente min. armatura" : "Vrd1<Vsd: necessaria armatura taglio";

    const float fck = required(in.fck);
    const float nu = single(0.7 - static_cast<double>(fck) / 200);
    out.lnu.text = to_text(nu);
    const float fcd = required(in.fcd_struts);
    const double vrd2 = finite(0.5 * nu * fcd * bw * 0.9 * d);
    out.lvrd2.text = rounded_text(vrd2 / 1000, 2);
    judge(out.Label76, vrd2 > vsd, "Vrd2>Vsd: puntoni cls verificati", "Vrd2<Vsd: puntoni non verificati");

    double smax = vsd <= vrd2 / 5 ? 0.8 * d : vsd <= 2.0 / 3 * vrd2 ? 0.6 * d : 0.3 * d;
    if (smax > 300) smax = 300;
    out.lsmax.text = rounded_text(smax / 10, 2);

    const double s = double_or_zero(in.passostaffe) * 10;
    judge(out.Label91, s <= smax, "Passo staffe < Passo max.  OK", "Passo staffe > Passo max!");
    if (s == 0) out.Label91.text.clear();

    const double asw = required(in.ast) * 100 * s / 1000;
    const double vwd = divide(static_cast<double>(in.fsd) * d * 0.9 * asw, s);
    out.lvwd.text = rounded_text(vwd / 1000, 2);

    const double vrd3 = vrd1 + vwd;
    out.lvrd3.text = rounded_text(vrd3 / 1000, 2);
    out.lvsd.text = vrd3 >= vsd ? ">" : "<";
    out.rlvsd.text = to_text(vsd / 1000);
    judge(out.lvtaglio, vrd3 >= vsd, "Taglio verificato", "Taglio non verificato!");

    const double arms = double_of(in.numerobraccia);
    const double diameter = double_of(in.diametrostaffe);
    const double spacing = double_of(in.passostaffe);
    const double radius = diameter / 10 / 2;
    const double per_metre = round_to(divide(arms * 3.1415 * radius * radius * 100, spacing), 2);
    out.Label81.text = rounded_text(divide(per_metre, static_cast<double>(bw) * spacing), 4);
}

}  // namespace norvexa
