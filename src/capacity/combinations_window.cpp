#include "capacity/combinations_window.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "analysis/analysis_results.h"
#include "analysis/layer_count.h"
#include "capacity/code_key.h"
#include "capacity/shear_text.h"
#include "capacity/verification.h"
#include "common/entry_rule.h"
#include "common/line_file.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

constexpr Colour verified_colour = rgb(0, 128, 0);

bool is_typed(Column column) { return static_cast<int>(column) < typed_columns; }

constexpr int first_shear_column = static_cast<int>(Column::VRd_c);
const char* const automatic = "automatico";

std::string cot_theta_text(std::optional<double> cot) { return cot ? to_text(*cot) : automatic; }

const char* const titles[first_shear_column] = {"Nome",      "NEd [kN]", "MEd [kNm]", "VEd [kN]", "Tipo", "MRd [kNm]",
                                                "x [cm]",    "εc [‰]",   "εs [‰]",    "MEd/MRd",  "Esito"};
const char* const tips[first_shear_column] = {
    "Nome della combinazione",
    "Sforzo normale di calcolo, positivo se di compressione",
    "Momento flettente di calcolo, positivo se tende le fibre inferiori",
    "Taglio di calcolo",
    "Stato limite ultimo (SLU) o combinazione di esercizio: caratteristica (rara), frequente, quasi permanente",
    "Momento resistente sotto lo sforzo normale NEd",
    "Profondità dell'asse neutro dal lembo più compresso",
    "Deformazione del lembo più compresso (compressione positiva)",
    "Deformazione dello strato di armatura più teso (compressione positiva)",
    "Rapporto di utilizzo MEd/MRd",
    "Esito della verifica a pressoflessione",
};

// A kind as the table shows it or a combinations file names it; empty is SLU.
std::optional<Kind> typed_kind(const std::string& text) {
    if (text.empty()) return Kind::ultimate;
    if (const auto kind = kind_of_title(text)) return kind;
    return kind_of_key(text);
}

std::string refused_kind(const std::string& text) {
    return "Il tipo della combinazione deve essere SLU, caratteristica (rara), frequente o quasi permanente: " + text;
}

// A service setting as its box shows it: a layer's value empty when none is typed.
std::string setting_text(double value) { return to_text(value); }
std::string setting_text(std::optional<double> value) { return value ? to_text(*value) : std::string{}; }

}  // namespace

CombinationsWindow::CombinationsWindow(CombinationSet& set, FieldSource& form, Prompter& prompter)
    : set_(set), form_(form), prompter_(prompter) {
    using K = ControlKind;
    add("lblNorma", lblNorma, K::label).text("Normativa:");
    add("norma", norma, K::choice_list)
        .tip("Normativa della verifica")
        .items({code_title(Code::dm96), code_title(Code::ntc2018)})
        .choose([this] { choose_code(); });
    add("lblCot", lblCot, K::label).text("ctgθ:");
    add("cot", cot, K::editable_list)
        .tip("Cotangente dell'inclinazione delle bielle a taglio: automatico, o da 1 a 2,5")
        .items({automatic, "1", "1,5", "2", "2,5"})
        .text(automatic)
        .choose([this] { choose_cot_theta(); })
        .leave([this] { choose_cot_theta(); });
    add("Aggiungi", Aggiungi, K::command_button).text("Aggiungi").tip("Aggiungi una combinazione").click([this] {
        add_row();
    });
    add("Elimina", Elimina, K::command_button).text("Elimina").tip("Elimina la combinazione scelta").click([this] {
        remove_row();
    });
    add("Duplica", Duplica, K::command_button).text("Duplica").tip("Duplica la combinazione scelta").click([this] {
        duplicate_row();
    });
    add("Calcola", Calcola, K::command_button).text("Calcola").tip("Verifica le combinazioni (F9)").click([this] {
        calculate();
    });
    add("Relazione", Relazione, K::command_button)
        .text("Relazione...")
        .tip("Salva la relazione della verifica a pressoflessione")
        .click([this] {
            if (save_report) save_report();
        });
    add("Chiudi", Chiudi, K::command_button).text("Chiudi").click([this] {
        if (close_window) close_window();
    });
    std::vector<std::string> environment_titles;
    for (const Environment e : environments) environment_titles.push_back(environment_title(e));
    add("lblAmbiente", lblAmbiente, K::label).text("Esercizio, ambiente:");
    add("ambiente", ambiente, K::choice_list)
        .tip("Condizioni ambientali, che danno i limiti dell'ampiezza delle fessure")
        .items(environment_titles)
        .choose([this] { choose_environment(); });
    add("lblOmog", lblOmog, K::label).text("n:");
    add("omog", omog, K::text_field)
        .tip("Coefficiente di omogeneizzazione dell'acciaio nelle tensioni di esercizio")
        .leave([this] { choose_setting(omog, set_.service.n, ServiceSetting::n, "n deve essere un numero da 1 a 100"); });
    add("lblKt", lblKt, K::label).text("kt:");
    add("kt", kt, K::text_field)
        .tip("Fattore di durata del carico nell'ampiezza delle fessure: 0,4 di lunga durata, 0,6 di breve durata")
        .leave([this] {
            choose_setting(kt, set_.service.kt, ServiceSetting::kt, "kt deve essere un numero maggiore di 0 e fino a 1");
        });
    add("lblStrati", lblStrati, K::label).text("Strati, φ [mm] e c [cm]:");
    // Each layer's diameter and cover, layer by layer so that the keyboard goes along the line.
    const struct {
        const char *label, *box, *symbol;
        std::array<Control, 4>&labels, &boxes;
        std::array<std::optional<double>, 4>& values;
        ServiceSetting setting;
        const char *what, *otherwise, *range;
    } layer_settings[] = {
        {"lblFi", "fi", "φ", lblFi, fi, set_.service.diameter, ServiceSetting::diameter, "Diametro delle barre",
         "il maggiore della sua distinta ferri", "un diametro maggiore di 0 e fino a 100 mm"},
        {"lblCop", "cop", "c", lblCop, cop, set_.service.cover, ServiceSetting::cover, "Copriferro netto",
         "quello che lascia la sua profondità", "un copriferro maggiore di 0 e fino a 100 cm"},
    };
    for (std::size_t i = 0; i < fi.size(); ++i)
        for (const auto& l : layer_settings) {
            const std::string k = std::to_string(i + 1);
            add(l.label + k, l.labels[i], K::label).text(l.symbol + k);
            add(l.box + k, l.boxes[i], K::text_field)
                .tip(std::string(l.what) + " dello strato " + k + ": vuoto per " + l.otherwise)
                .leave([this, &box = l.boxes[i], &value = l.values[i], setting = l.setting,
                        message = l.symbol + k + " deve essere vuoto o " + l.range] {
                    choose_setting(box, value, setting, message);
                });
        }
    add("lblOutdated", lblOutdated, K::label).text(outdated_results_notice).visible(false);
    add("lblDomain", lblDomain, K::label);
    add("lblCurvature", lblCurvature, K::label);
    reset();
    show_service_settings();
    changed();
}

void CombinationsWindow::open() {
    touch();
    open_ = true;
    norma.text = code_title(set_.code);
    cot.text = cot_theta_text(set_.cot_theta);
    show_service_settings();
    // Rows replaced while the window was closed, by a project opened say, lose their results.
    if (results_.size() != set_.rows.size()) results_.assign(set_.rows.size(), std::nullopt);
    if (selected_ >= row_count()) selected_ = row_count() - 1;
    if (selected_ < 0 && row_count() > 0) selected_ = 0;
    show_curvature();
    changed();
}

void CombinationsWindow::close() {
    touch();
    open_ = false;
}

std::string CombinationsWindow::cell(int row, Column column) const {
    if (row < 0 || row >= row_count()) return {};
    const Combination& c = set_.rows[row];
    switch (column) {
        case Column::name: return c.name;
        case Column::NEd: return to_text(c.NEd);
        case Column::MEd: return to_text(c.MEd);
        case Column::VEd: return c.VEd ? to_text(*c.VEd) : std::string{};
        case Column::kind: return kind_title(c.kind);
        default: break;
    }
    const RowResult* shown = result(row);
    if (!shown || c.kind != Kind::ultimate) return {};
    if (static_cast<int>(column) >= first_shear_column) {
        if (!shown->shear) return {};
        return shear_cells(*shown->shear)[static_cast<std::size_t>(static_cast<int>(column) - first_shear_column)];
    }
    const CombinationResult& r = shown->result;
    if (column == Column::verdict) return r.capacity ? (r.verified ? "verificata" : "non verificata") : "fuori dominio";
    if (!r.capacity) return {};
    const Capacity& capacity = *r.capacity;
    switch (column) {
        case Column::MRd: return rounded_text(capacity.MRd / 1e6, 2);
        case Column::x: return capacity.neutral_axis ? rounded_text(capacity.x / 10, 2) : std::string{};
        case Column::eps_c: return rounded_text(capacity.eps_c * 1000, 2);
        case Column::eps_s: return rounded_text(most_stretched_strain(capacity) * 1000, 2);
        case Column::ratio: return rounded_text(r.ratio, 3);
        default: return {};
    }
}

std::string CombinationsWindow::column_title(Column column) const {
    const int i = static_cast<int>(column);
    return i < first_shear_column ? titles[i] : shear_titles(set_.code)[static_cast<std::size_t>(i - first_shear_column)];
}

std::string CombinationsWindow::column_tip(Column column) const {
    const int i = static_cast<int>(column);
    return i < first_shear_column ? tips[i] : shear_tips(set_.code)[static_cast<std::size_t>(i - first_shear_column)];
}

bool CombinationsWindow::type_cell(int row, Column column, const std::string& text) {
    touch();
    if (row < 0 || row >= row_count() || !is_typed(column)) return false;
    Combination typed = set_.rows[row];
    if (column == Column::name) {
        if (text.find_first_of(";\t\r\n") != std::string::npos) {
            refuse("Il nome di una combinazione non può contenere il carattere ';': " + text);
            return false;
        }
        typed.name = text;
    } else if (column == Column::kind) {
        const std::optional<Kind> kind = typed_kind(text);
        if (!kind) {
            refuse(refused_kind(text));
            return false;
        }
        typed.kind = *kind;
    } else {
        const Entry entry = check_entry(text);
        if (entry == Entry::refused) {
            refuse(syntax_error_text(text));
            return false;
        }
        const std::optional<double> value = entry == Entry::number ? locale_double(text) : std::nullopt;
        if (column == Column::VEd) typed.VEd = value;
        else (column == Column::NEd ? typed.NEd : typed.MEd) = value.value_or(0);
    }
    if (typed == set_.rows[row]) return true;
    set_.rows[row] = std::move(typed);
    edited();
    return true;
}

bool CombinationsWindow::paste(int row, Column column, const std::string& text) {
    touch();
    if (row < 0 || row > row_count() || !is_typed(column)) return false;
    std::vector<std::vector<std::string>> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> cells = split_fields(line, '\t');
        lines.emplace_back(cells.begin(), cells.end());
    }
    // A spreadsheet ends its last line with a line end too.
    if (!lines.empty() && lines.back() == std::vector<std::string>{""}) lines.pop_back();
    if (lines.empty()) return false;

    CombinationSet before = set_;
    const int first = static_cast<int>(column);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int target = row + static_cast<int>(i);
        if (target == row_count()) set_.rows.push_back({new_row_name(), 0, 0, std::nullopt});
        for (std::size_t j = 0; j < lines[i].size() && first + static_cast<int>(j) < typed_columns; ++j) {
            Combination& c = set_.rows[target];
            const Column into = static_cast<Column>(first + static_cast<int>(j));
            const std::string& typed = lines[i][j];
            if (into == Column::kind) {
                const std::optional<Kind> kind = typed_kind(typed);
                if (!kind) {
                    set_ = std::move(before);
                    refuse(refused_kind(typed));
                    return false;
                }
                c.kind = *kind;
                continue;
            }
            const Entry entry = into == Column::name ? Entry::number : check_entry(typed);
            if (entry == Entry::refused) {
                set_ = std::move(before);
                refuse(syntax_error_text(typed));
                return false;
            }
            const std::optional<double> value = entry == Entry::number && into != Column::name
                                                    ? locale_double(typed)
                                                    : std::nullopt;
            switch (into) {
                case Column::name: c.name = typed; break;
                case Column::NEd: c.NEd = value.value_or(0); break;
                case Column::MEd: c.MEd = value.value_or(0); break;
                default: c.VEd = value; break;
            }
        }
    }
    if (set_ != before) edited();
    return true;
}

void CombinationsWindow::select(int row) {
    touch();
    if (row < -1 || row >= row_count() || row == selected_) return;
    selected_ = row;
    show_curvature();
    changed();
}

void CombinationsWindow::add_row() {
    touch();
    set_.rows.push_back({new_row_name(), 0, 0, std::nullopt});
    selected_ = row_count() - 1;
    edited();
}

void CombinationsWindow::remove_row() {
    touch();
    if (selected_ < 0 || selected_ >= row_count()) return;
    set_.rows.erase(set_.rows.begin() + selected_);
    if (static_cast<int>(results_.size()) > selected_) results_.erase(results_.begin() + selected_);
    selected_ = std::min(selected_, row_count() - 1);
    edited();
}

void CombinationsWindow::duplicate_row() {
    touch();
    if (selected_ < 0 || selected_ >= row_count()) return;
    set_.rows.insert(set_.rows.begin() + selected_ + 1, set_.rows[selected_]);
    if (static_cast<int>(results_.size()) > selected_)
        results_.insert(results_.begin() + selected_ + 1, results_[selected_]);
    ++selected_;
    edited();
}

void CombinationsWindow::calculate() {
    touch();
    const auto stop = [this](const std::string& message) {
        if (run_) inputs_changed_ = true;
        refuse(message);
        changed();
    };
    RecordingSource recorded(form_);
    auto verified = verify_form(recorded, set_);
    if (const auto* message = std::get_if<std::string>(&verified)) return stop(*message);
    Verification& v = std::get<Verification>(verified);
    CapacityRun run{recorded.reads(), set_,      std::move(v.section), v.materials,
                    v.NRd_max,        v.NRd_min, std::move(v.domain),  std::move(v.detailing)};
    results_.clear();
    for (std::size_t i = 0; i < set_.rows.size(); ++i)
        results_.push_back(
            RowResult{set_.rows[i], std::move(v.results[i]), std::move(v.shear[i]), std::move(v.service[i])});
    run_ = std::move(run);
    inputs_changed_ = false;
    show_curvature();
    changed();
}

const RowResult* CombinationsWindow::result(int row) const {
    if (row < 0 || row >= row_count() || results_.size() != set_.rows.size() || !results_[row]) return nullptr;
    // A row typed anew, or replaced from outside, shows no result that is not its own.
    return results_[row]->combination == set_.rows[row] ? &*results_[row] : nullptr;
}

std::optional<int> CombinationsWindow::governing() const {
    std::optional<int> found;
    double largest = -1;
    for (int row = 0; row < row_count(); ++row) {
        const RowResult* shown = result(row);
        if (!shown || shown->combination.kind != Kind::ultimate) continue;
        if (!shown->result.capacity) return row;
        if (shown->result.ratio > largest) {
            largest = shown->result.ratio;
            found = row;
        }
    }
    return found;
}

Colour CombinationsWindow::verdict_colour(int row) const {
    const RowResult* shown = result(row);
    return shown && shown->result.verified ? verified_colour : colours::red;
}

std::vector<int> CombinationsWindow::service_rows() const {
    std::vector<int> rows;
    for (int row = 0; row < row_count(); ++row)
        if (set_.rows[row].kind != Kind::ultimate) rows.push_back(row);
    return rows;
}

std::string CombinationsWindow::service_cell(int row, ServiceColumn column) const {
    if (row < 0 || row >= row_count()) return {};
    if (column == ServiceColumn::name) return set_.rows[row].name;
    if (column == ServiceColumn::kind) return kind_title(set_.rows[row].kind);
    const RowResult* shown = result(row);
    if (!shown || !shown->service) return {};
    return service_cells(*shown->service)[static_cast<std::size_t>(static_cast<int>(column) - 2)];
}

std::string CombinationsWindow::service_title(ServiceColumn column) {
    if (column == ServiceColumn::name) return titles[0];
    if (column == ServiceColumn::kind) return titles[static_cast<int>(Column::kind)];
    return service_titles()[static_cast<std::size_t>(static_cast<int>(column) - 2)];
}

std::string CombinationsWindow::service_tip(ServiceColumn column) {
    if (column == ServiceColumn::name) return tips[0];
    if (column == ServiceColumn::kind) return "Combinazione di esercizio";
    return service_tips()[static_cast<std::size_t>(static_cast<int>(column) - 2)];
}

Colour CombinationsWindow::service_colour(int row) const {
    const RowResult* shown = result(row);
    return shown && shown->service && shown->service->verified() ? verified_colour : colours::red;
}

Colour CombinationsWindow::shear_colour(int row) const {
    const RowResult* shown = result(row);
    return shown && shown->shear && shown->shear->verified() ? verified_colour : colours::red;
}

std::vector<std::string> CombinationsWindow::detailing_lines(Script script) const {
    std::vector<std::string> lines;
    if (run_ && run_->set.code == Code::ntc2018)
        for (const DetailingCheck& check : run_->detailing) lines.push_back(detailing_text(check, script));
    return lines;
}

bool CombinationsWindow::results_outdated() const { return run_ && (inputs_changed_ || set_ != run_->set); }

void CombinationsWindow::compare_inputs() {
    // The boxes of the layers the form has are the ones open to typing.
    if (layer_count_of(form_.text("strati")) != layers_shown_) {
        touch();
        changed();
    }
    if (!run_ || inputs_changed_ || !run_->reads.changed_in(form_)) return;
    touch();
    inputs_changed_ = true;
    changed();
}

void CombinationsWindow::changed() {
    const bool chosen = selected_ >= 0 && selected_ < row_count();
    Elimina.enabled = Duplica.enabled = chosen;
    const bool ntc = set_.code == Code::ntc2018;
    lblCot.enabled = cot.enabled = ntc;
    for (Control* control : {&lblAmbiente, &ambiente, &lblOmog, &omog, &lblKt, &kt, &lblStrati}) control->enabled = ntc;
    layers_shown_ = layer_count_of(form_.text("strati"));
    for (std::size_t i = 0; i < fi.size(); ++i)
        lblFi[i].enabled = fi[i].enabled = lblCop[i].enabled = cop[i].enabled = ntc && static_cast<int>(i) < layers_shown_;
    lblOutdated.visible = results_outdated();
    lblDomain.text = run_ ? "NRd,max = " + rounded_text(run_->NRd_max / 1000, 1) +
                                " kN    NRd,min = " + rounded_text(run_->NRd_min / 1000, 1) + " kN"
                          : std::string{};
    lblCurvature.text = curvature_ ? "χy = " + rounded_text(curvature_->yield.chi * 1e6, 3) + " 1/km    χu = " +
                                         rounded_text(curvature_->ultimate.chi * 1e6, 3) +
                                         " 1/km    duttilità χu/χy = " + rounded_text(curvature_->ductility, 2)
                                   : std::string{};
}

void CombinationsWindow::edited() {
    align_results();
    if (selected_ < 0 && row_count() > 0) selected_ = 0;
    show_curvature();
    if (modified) modified();
    changed();
}

void CombinationsWindow::choose_code() {
    const Code code = norma.text == code_title(Code::dm96) ? Code::dm96 : Code::ntc2018;
    if (code == set_.code) return;
    set_.code = code;
    if (modified) modified();
}

void CombinationsWindow::choose_cot_theta() {
    std::optional<double> chosen;
    if (cot.text != automatic && !cot.text.empty()) {
        chosen = check_entry(cot.text) == Entry::number ? locale_double(cot.text) : std::nullopt;
        if (!allowed_cot_theta(chosen)) {
            cot.text = cot_theta_text(set_.cot_theta);
            refuse("ctgθ deve essere «automatico» o un numero da 1 a 2,5");
            return;
        }
    }
    cot.text = cot_theta_text(chosen);
    if (chosen == set_.cot_theta) return;
    set_.cot_theta = chosen;
    if (modified) modified();
}

void CombinationsWindow::choose_environment() {
    const auto chosen = environment_of_title(ambiente.text);
    if (!chosen || *chosen == set_.service.environment) return;
    set_.service.environment = *chosen;
    if (modified) modified();
}

template <typename Value>
void CombinationsWindow::choose_setting(Control& control, Value& value, ServiceSetting setting,
                                        const std::string& message) {
    constexpr bool may_be_empty = std::is_same_v<Value, std::optional<double>>;
    std::optional<double> typed;
    if (!may_be_empty || !control.text.empty()) {
        typed = check_entry(control.text) == Entry::number ? locale_double(control.text) : std::nullopt;
        if (!allowed_setting(setting, typed)) {
            control.text = setting_text(value);
            refuse(message);
            return;
        }
    }
    Value taken{};
    if constexpr (may_be_empty) taken = typed;
    else taken = *typed;
    control.text = setting_text(taken);
    if (taken == value) return;
    value = taken;
    if (modified) modified();
}

void CombinationsWindow::show_service_settings() {
    const ServiceSettings& service = set_.service;
    ambiente.text = environment_title(service.environment);
    omog.text = setting_text(service.n);
    kt.text = setting_text(service.kt);
    for (std::size_t i = 0; i < fi.size(); ++i) {
        fi[i].text = setting_text(service.diameter[i]);
        cop[i].text = setting_text(service.cover[i]);
    }
}

void CombinationsWindow::align_results() {
    results_.resize(set_.rows.size());
    if (selected_ >= row_count()) selected_ = row_count() - 1;
}

void CombinationsWindow::show_curvature() {
    curvature_.reset();
    const RowResult* shown = result(selected_);
    if (!run_ || !shown) return;
    const Combination& c = shown->combination;
    curvature_ = moment_curvature(run_->section, run_->materials, c.NEd * 1000, c.MEd < 0 ? Sign::hogging : Sign::sagging);
}

void CombinationsWindow::tell_unwritable(const std::string& path) {
    touch();
    prompter_.ask({"Impossibile scrivere il file " + path, Icon::critical, Buttons::ok, "Attenzione"});
}

void CombinationsWindow::refuse(const std::string& message) {
    prompter_.ask({message, Icon::warning, Buttons::ok, "Attenzione"});
}

std::string CombinationsWindow::new_row_name() const {
    for (int number = row_count() + 1;; ++number) {
        const std::string name = "C" + std::to_string(number);
        if (std::none_of(set_.rows.begin(), set_.rows.end(), [&](const Combination& c) { return c.name == name; }))
            return name;
    }
}

}  // namespace norvexa::capacity
