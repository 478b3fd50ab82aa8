#include "analysis/bending_results.h"

#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

const char* side_caption(FailureSide side) {
    switch (side) {
        case FailureSide::steel: return "Rottura lato Acciaio";
        case FailureSide::concrete: return "Rottura lato Calcestruzzo";
        case FailureSide::both: break;
    }
    return "Contemp. rottura";
}

}  // namespace

BendingResult bending_at_axis(const AnalysisInput& in, const SearchOutcome& found, const Trial& accepted) {
    BendingResult r;
    r.neutral_axis = round_to(single(found.trial / 10.0), 2);
    r.dm = found.dm;
    r.xsud = accepted.xsud;
    r.side = r.xsud < in.bestxsud   ? FailureSide::steel
             : r.xsud > in.bestxsud ? FailureSide::concrete
                                    : FailureSide::both;
    r.epsclsz = accepted.epsclsz;
    r.eps = accepted.eps;
    for (int i = 0; i < 4; ++i) r.sigma[i] = in.a[i] == 0 ? 0 : accepted.sigma[i];
    r.msd = in.msd;
    return r;
}

void show_bending_results(const AnalysisInput& in, AnalysisResults& out) {
    const BendingResult& r = *out.bending;
    const auto strains = out.strain_labels();
    for (int i = 0; i < 4; ++i) {
        float e = single(r.eps[i] * 1000.0);
        if (e > 10) e = 10;
        strains[i]->text = rounded_text(e, 1);
    }
    out.Label32.text = rounded_text(r.xsud, 3);
    out.Label26.text = to_text(single(r.dm / 10.0));
    out.Label30.text = side_caption(r.side);

    const auto stresses = out.stress_labels();
    for (int i = 0; i < 4; ++i) stresses[i]->text = rounded_text(r.sigma[i], 1);
    out.lsigmac.text = rounded_text(r.sigmac, 1);
    out.lepscls.text = rounded_text(r.epsclsz, 1);

    const auto depths = out.depth_labels();
    for (int i = 0; i < 4; ++i)
        if (in.depths[i]) depths[i]->text = rounded_text(*in.depths[i], 1);

    out.lmsd.text = to_text(r.msd);
    const bool holds = r.holds();
    out.Label29.text = holds ? ">" : "<";
    out.vf.text = holds ? "Flessione verificata" : "Attenzione: flessione non verificata";
    out.vf.fore = holds ? colours::black : colours::red;
}

}  // namespace norvexa
