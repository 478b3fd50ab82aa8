#include "analysis/analysis_results.h"

namespace norvexa {

std::vector<std::pair<const char*, const Control*>> AnalysisResults::labels() const {
    return {
        {"lx", &lx},           {"lm", &lm},           {"Label26", &Label26}, {"Label32", &Label32},
        {"Label30", &Label30}, {"Label48", &Label48}, {"Label49", &Label49}, {"Label50", &Label50},
        {"Label51", &Label51}, {"Label52", &Label52}, {"Label53", &Label53}, {"Label54", &Label54},
        {"Label55", &Label55}, {"lepscls", &lepscls}, {"lsigmac", &lsigmac}, {"Label16", &Label16},
        {"Label20", &Label20}, {"Label24", &Label24}, {"Label61", &Label61}, {"lmsd", &lmsd},
        {"Label29", &Label29}, {"vf", &vf},           {"lk", &lk},           {"lbweb", &lbweb},
        {"lrol", &lrol},       {"lvrd1", &lvrd1},     {"Label73", &Label73}, {"lnu", &lnu},
        {"lvrd2", &lvrd2},     {"Label76", &Label76}, {"lsmax", &lsmax},     {"Label91", &Label91},
        {"lvwd", &lvwd},       {"lvrd3", &lvrd3},     {"lvsd", &lvsd},       {"rlvsd", &rlvsd},
        {"lvtaglio", &lvtaglio}, {"Label81", &Label81},
    };
}

}  // namespace norvexa
