#include "analysis/bending_results.h"

#include "analysis/form_numbers.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {

void show_bending_results(const AnalysisInput& in, AnalysisResults& out) {
    const auto strains = out.strain_labels();
    for (int i = 0; i < 4; ++i) {
        float e = single(out.eps[i] * 1000.0);
        if (e > 10) e = 10;
        strains[i]->text = rounded_text(e, 1);
    }
    out.Label32.text = rounded_text(out.xsud, 3);
    out.Label26.text = to_text(single(out.dm / 10.0));
    out.Label30.text = out.xsud < in.bestxsud   ? "Rottura lato Acciaio"
                       : out.xsud > in.bestxsud ? "Rottura lato Calcestruzzo"
                                                : "Contemp. rottura";

    const auto stresses = out.stress_labels();
    for (int i = 0; i < 4; ++i) {
        if (in.a[i] == 0) out.sigma[i] = 0;
        stresses[i]->text = rounded_text(out.sigma[i], 1);
    }
    out.lsigmac.text = rounded_text(out.sigmac, 1);
    out.lepscls.text = rounded_text(out.epsclsz, 1);

    const auto depths = out.depth_labels();
    for (int i = 0; i < 4; ++i)
        if (in.depths[i]) depths[i]->text = rounded_text(*in.depths[i], 1);

    out.lmsd.text = to_text(in.msd);

    const bool holds = double_of(out.lm.text) > double_of(out.lmsd.text);
    out.Label29.text = holds ? ">" : "<";
    out.vf.text = holds ? "Flessione verificata" : "Attenzione: flessione non verificata";
    out.vf.fore = holds ? colours::black : colours::red;
}

}  // namespace norvexa
