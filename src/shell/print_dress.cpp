#include "shell/print_dress.h"

namespace norvexa {

PrintDress::PrintDress(AnalysisWindow& window, const std::string& title) : window_(window) {
    window_.put_on_paper_dress(title);
}

PrintDress::~PrintDress() { window_.take_off_paper_dress(); }

}  // namespace norvexa
