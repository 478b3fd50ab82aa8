#include "literal_search.h"

#include <cmath>
#include <string>

#include "analysis/section_analysis.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
SearchOutcome literal_search(const AnalysisInput& in, double s, float t) {
    if (!(s > 0) || !(t > 0)) throw ArithmeticFault("knob");
    float T = 0, dm = 0, accepted_at = 0;
    bool accepted = false;
    std::string lx;
    while (lx.empty()) {
        const float E = dm;
        float x = 0;
        bool passed = false;
        while (x <= E) {
            passed = true;
            if (accepted) return {accepted_at, dm};
            const float grown = T + t;
            if (grown == T || !std::isfinite(grown)) throw ArithmeticFault("T");
            T = grown;
            const auto& D = in.D;
            if (D[0] > D[1] && D[0] > D[2] && D[0] > D[3]) dm = D[0];
            else if (D[1] > D[0] && D[1] > D[2] && D[1] > D[3]) dm = D[1];
            else if (D[2] > D[0] && D[2] > D[1] && D[2] > D[3]) dm = D[2];
            else if (D[3] > D[0] && D[3] > D[1] && D[3] > D[2]) dm = D[3];
            if (dm == 0) dm = D[0];
            x = x + 0.5f;
            if (dm == 0) throw ArithmeticFault("x/dm");
            const float xsud = single(static_cast<double>(x) / dm);
            float epsclsz = 3.5f;
            if (xsud < in.bestxsud) {
                epsclsz = single(10.0 / 1000 * x / single(dm - x) * 1000);
                if (epsclsz > 3.5f) epsclsz = 3.5f;
            }
            double C = 0;
            for (double y = 0; y <= x; y += s) {
                const double w = y <= in.h ? in.b : in.b2;
                const double e = (x - y - s / 2) * epsclsz / x;
                const double sigma = e >= 2 ? in.fcd : in.fcd * (e * 1000 / 1000) * (1 - e * 250 / 1000);
                C = C + sigma * w * s;
            }
            double N = round_to(C, 2);
            for (int i = 0; i < 4; ++i) {
                const float lever = single(D[i] - x);
                const float eps =
                    xsud > in.bestxsud
                        ? single(std::fabs(lever * 0.0035 / x))
                        : single(std::fabs(single(lever * static_cast<double>(single(epsclsz / 1000.0))) /
                                            static_cast<double>(x)));
                const float sigma = eps >= in.epsyd ? in.fsd : single(static_cast<double>(eps) * in.modelasticoacc);
                float F = single(static_cast<double>(sigma) * in.a[i]);
                if (D[i] > x) F = -F;
                N = N + round_to(F, 2);
            }
            const double n = std::nearbyint(N);
            if (-T < n && n < T) {
                lx = rounded_text(single(x / 10.0), 2);
                accepted = true;
                accepted_at = x;
            }
            x = x + 0.5f;
        }
        if (!passed) throw ArithmeticFault("sweep without trials");
    }
    return {accepted_at, dm};
}

Analysed analyse(FieldMap form, NeutralAxisSearch search) {
    ScriptedPrompter prompter;
    AnalysisInput input;
    Analysed out;
    SectionAnalysis analysis(form, prompter, input, out.results);
    analysis.search = search;
    analysis.variabili();
    out.messages = prompter.shown;
    return out;
}

}  // namespace norvexa
