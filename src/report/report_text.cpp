#include "report/report_text.h"

#include "common/numbers.h"

namespace norvexa {
namespace {

const std::string short_rule(74, '-');
const std::string rule(75, '-');

// A size or depth in mm as whole centimetres and tenths; nothing for a zero size.
std::string centimetres(float millimetres) {
    const double rounded = round_to(millimetres, 0);
    return rounded == 0 ? "" : to_text(rounded / 10);
}

std::string banner(const Control& verdict) { return "    *****  " + verdict.text + "  *****"; }

void add_geometry(std::vector<std::string>& out, const AnalysisInput& in) {
    const auto b = centimetres(in.b), h = centimetres(in.h);
    if (in.b2 != 0 && in.h2 != 0) {
        out.push_back("Sezione a T");
        out.push_back("Dimensioni: cm " + b + " x cm " + h + "  /  Anima cm " + centimetres(in.b2) + "  x cm " +
                      centimetres(in.h2));
    } else if (in.b != 0 && in.h != 0) {
        out.push_back("Sezione rettangolare");
        out.push_back("Dimensioni: cm " + b + "  x  cm " + h);
    } else {
        out.insert(out.end(), 2, "");
    }
}

void add_stirrups(std::vector<std::string>& out, const AnalysisInput& in) {
    if (in.numerobraccia.empty() || in.diametrostaffe.empty() || in.passostaffe.empty()) return;
    out.insert(out.end(), {"", "STAFFE", "Diametro: mm " + in.diametrostaffe, "Braccia: N°" + in.numerobraccia,
                           "Passo: cm " + in.passostaffe});
}

void add_shear(std::vector<std::string>& out, const AnalysisResults& r) {
    out.insert(out.end(), {
        "",
        "VERIFICA TAGLIO",
        "Rapporto di armatura a taglio= " + r.Label81.text,
        "Vrd1= KN " + r.lvrd1.text + "         (" + r.Label73.text + ")",
        "Vrd2= KN " + r.lvrd2.text + banner(r.Label76),
        "Passo staffe max= cm " + r.lsmax.text + banner(r.Label91),
        "Vwd= KN " + r.lvwd.text,
        "Vrd3=(Vrd1+Vwd)= KN " + r.lvrd3.text + " " + r.lvsd.text + " " + r.rlvsd.text + banner(r.lvtaglio),
        "",
        rule,
    });
}

}  // namespace

std::vector<std::string> report_lines(const ReportData& data) {
    const AnalysisInput& in = data.input;
    const AnalysisResults& r = data.results;
    std::vector<std::string> out{
        "",
        "",
        data.title,
        "",
        short_rule,
        "                  R E L A Z I O N E   D I  C A L C O L O                  ",
        short_rule,
        "",
        "",
        "NORMATIVA DI RIFERIMENTO",
        "Le elaborazioni sono eseguite basandosi sull'Eurocodice 2,",
        "secondo il D.M. 9/1/96 parte I, Cap. III",
        rule,
        "",
        "MATERIALI",
        "Diagramma di calcolo sforzi-deformazioni ottenuto con:",
        "calcestruzzo:diagramma parabola-rettangolo     alfa = 0,85",
        "             gammaC = 1,60;    Epsilon c 1 = 2,0 %.  Epsilon c ult= 3,5 %.",
        "acciaio:     diagramma elastico-perfettamente plastico",
        "             gammaS = 1,15;    Epsilon s ult = 10,0 %.",
        "Materiali utilizzati:",
        "Calcestruzzo " + in.NOMECLS + ";  Resistenza cilindrica di calcolo: fcd*=" + to_text(in.fcd),
        "Acciaio " + in.NOMEACC + ";  Tensione di snervamento di calcolo: fyd=" + to_text(in.fsd),
        "",
        rule,
        "",
        "GEOMETRIA SEZIONE",
    };
    add_geometry(out, in);
    out.insert(out.end(), {"", "ARMATURE LONGITUDINALI"});
    for (std::size_t i = 0; i < 4; ++i) {
        const auto n = std::to_string(i + 1);
        if (in.a[i] != 0) out.push_back("As" + n + ": " + data.bar_lists[i] + "; d" + n + "=cm " + centimetres(in.D[i]));
    }
    add_stirrups(out, in);
    out.insert(out.end(), {"", rule, "", "VERIFICA FLESSIONE", "Sollecitazioni acciaio:"});
    const std::array<const Control*, 4> strains{&r.Label48, &r.Label49, &r.Label50, &r.Label51};
    const std::array<const Control*, 4> stresses{&r.Label52, &r.Label53, &r.Label54, &r.Label55};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto n = std::to_string(i + 1);
        if (in.a[i] != 0)
            out.push_back("Epsilon As" + n + "=" + strains[i]->text + "%°      Sigma As" + n + "=N/mmq " +
                          stresses[i]->text);
    }
    out.insert(out.end(), {
        "",
        "Sollecitazioni calcestruzzo:",
        "Epsilon Cls=" + r.lepscls.text + "%°      Sigma Cls=N/mmq " + r.lsigmac.text,
        "",
        "Asse neutro: x=cm " + r.lx.text,
        "d= " + r.Label26.text,
        "x/d= " + r.Label32.text + " (" + r.Label30.text + ")",
        "Mrd= KNm " + r.lm.text + " " + r.Label29.text + " " + r.lmsd.text + banner(r.vf),
        "",
        rule,
    });
    if (data.shear_shown) add_shear(out, r);
    out.insert(out.end(), {"", "", "", "", "Elaborato da  ** N O R V E X A **", "Per informazioni: assistenza@norvexa.it    "});
    if (data.outdated) out.insert(out.begin(), outdated_results_notice);
    return out;
}

}  // namespace norvexa
