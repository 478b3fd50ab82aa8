#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/field_source.h"
#include "analysis/recorded_reads.h"
#include "capacity/capacity.h"
#include "capacity/combination_shear.h"
#include "capacity/detailing.h"
#include "capacity/service_text.h"
#include "capacity/shear_text.h"
#include "common/colour.h"
#include "common/prompter.h"
#include "common/window_model.h"

namespace norvexa::capacity {

// The typed columns of the combinations table, then the results of each row.
enum class Column {
    name, NEd, MEd, VEd, kind, MRd, x, eps_c, eps_s, ratio, verdict,
    VRd_c, VRsd, VRcd, cot_theta, VRd, shear_verdict  // under the D.M. 9/1/96 Vrd1, Vwd, Vrd2, smax, Vrd3
};
inline constexpr int typed_columns = 5;
inline constexpr int column_count = 17;

// The columns of the service rows' table: the row's name and kind, then its checks.
enum class ServiceColumn { name, kind, sigma_c, sigma_s, x, cracking, wk, sr_max, verdict };
inline constexpr int service_columns = 2 + service_column_count;

// What the last completed calculation read and found: the section and design laws, the
// domain, and the code and rows it verified.
struct CapacityRun {
    RecordedReads reads;
    CombinationSet set;
    Section section;
    Materials materials;
    double NRd_max = 0, NRd_min = 0;  // N
    std::vector<DomainPoint> domain = {};
    std::vector<DetailingCheck> detailing = {};  // under the NTC 2018
};

// One row's verification, with the combination as it was when verified.
struct RowResult {
    Combination combination;
    CombinationResult result;
    std::optional<CombinationShear> shear;  // with a VEd inside the domain
    std::optional<ServiceCheck> service;    // of a service row
};

// The window "Pressoflessione": the code choice (norma), the service settings, the table
// of load combinations of the project and, after "Calcola", each ultimate row verified
// under its axial force on the section and materials of the input form and each service
// row in stresses and cracking, the M–N domain and the moment–curvature diagram of the
// selected row. The table's cells are not controls: they come in through the entry points
// below and are read through cell() and service_cell().
class CombinationsWindow : public WindowModel {
  public:
    // The set, the form and the prompter must outlive the window.
    CombinationsWindow(CombinationSet& set, FieldSource& form, Prompter& prompter);

    // Opens the window on the set as it is, the first row selected when there is one.
    void open();
    // The window has closed, whichever way; the rows and the last results stay.
    void close();
    bool is_open() const { return open_; }

    int row_count() const { return static_cast<int>(set_.rows.size()); }
    // A cell as the table shows it: numbers with the decimal comma, a result empty until
    // its row has been verified.
    std::string cell(int row, Column column) const;
    // A column's heading and tool tip under the chosen code.
    std::string column_title(Column column) const;
    std::string column_tip(Column column) const;
    // Typing into a typed cell: a name without ';', tabs or line ends; a number under the
    // entry rule, an empty NEd or MEd reading 0 and an empty VEd none; a kind as the table
    // or a combinations file names it, empty for SLU. A refused text is named in a message
    // and the cell keeps its value. False when refused.
    bool type_cell(int row, Column column, const std::string& text);
    // Tab-separated lines from a spreadsheet into the typed cells from that cell right and
    // down, rows added as needed. All or nothing: the first refused text is named in a
    // message and no cell changes.
    bool paste(int row, Column column, const std::string& text);
    // The selected row, -1 for none.
    void select(int row);
    int selected() const { return selected_; }

    // "Aggiungi": a new row at the end, selected. "Elimina" and "Duplica" act on the
    // selected row; the copy goes below it and is selected.
    void add_row();
    void remove_row();
    void duplicate_row();
    // "Calcola": every row verified; a section or material the code cannot use stops it
    // with a message, the results before it kept and marked not current.
    void calculate();

    // The last calculation; none before the first.
    const CapacityRun* run() const { return run_ ? &*run_ : nullptr; }
    // A row's result; none until it has been verified as it now reads.
    const RowResult* result(int row) const;
    // The row that governs: the first ultimate row outside the domain, else the largest
    // utilisation.
    std::optional<int> governing() const;
    // The service rows in order, and their table's cells, headings and tool tips; a check
    // empty until its row has been verified.
    std::vector<int> service_rows() const;
    std::string service_cell(int row, ServiceColumn column) const;
    static std::string service_title(ServiceColumn column);
    static std::string service_tip(ServiceColumn column);
    Colour service_colour(int row) const;
    // The colour of the bending verdict, and of the shear verdict.
    Colour verdict_colour(int row) const;
    Colour shear_colour(int row) const;
    // The detailing rules of the last calculation as lines, under the NTC 2018.
    std::vector<std::string> detailing_lines(Script script = Script::unicode) const;
    // The moment–curvature diagram of the selected row under its verified NEd; none
    // without a result or where the engine finds none.
    const std::optional<MomentCurvature>& curvature() const { return curvature_; }

    // Whether the results on show no longer belong to their inputs: from the first change
    // of what the last calculation read of the form, of the code or of a row, or from a
    // calculation that stopped, until one completes.
    bool results_outdated() const;
    // Marks the results not current when the form reads differently from what the last
    // calculation read, and opens the service boxes of the form's layers; the program calls
    // it after each change of the form.
    void compare_inputs();

    // Tells the user that a file could not be written.
    void tell_unwritable(const std::string& path);

    // The rows or the code changed: the project has unsaved changes. Closes the window.
    std::function<void()> modified, close_window;
    // "Relazione...": saves the verification's report where the user says.
    std::function<void()> save_report;

    const std::string caption = "Pressoflessione";

  private:
    void changed() override;
    void edited();
    void choose_code();
    // Takes the strut inclination typed or picked: "automatico", or 1 to 2,5.
    void choose_cot_theta();
    // Takes the environment, n, kt and the typed diameters and covers of the service checks.
    void choose_environment();
    // A typed number within the setting's range, or empty where the setting is a layer's
    // and may be none (Value std::optional<double>); a refused text is named and the box
    // shows the setting again.
    template <typename Value>
    void choose_setting(Control& control, Value& value, ServiceSetting setting, const std::string& message);
    void show_service_settings();
    // Keeps the results beside their rows while rows come and go.
    void align_results();
    void show_curvature();
    void refuse(const std::string& message);
    std::string new_row_name() const;

    Control lblNorma, norma, lblCot, cot, Aggiungi, Elimina, Duplica, Calcola, Relazione, Chiudi, lblOutdated, lblDomain,
        lblCurvature, lblAmbiente, ambiente, lblOmog, omog, lblKt, kt, lblStrati;
    std::array<Control, 4> lblFi, fi, lblCop, cop;  // each layer's typed diameter and cover

    CombinationSet& set_;
    FieldSource& form_;
    Prompter& prompter_;
    bool open_ = false;
    int selected_ = -1;
    std::optional<CapacityRun> run_;
    std::vector<std::optional<RowResult>> results_;  // beside the rows
    bool inputs_changed_ = false;
    int layers_shown_ = 0;  // the form's layer count when the controls were last enabled
    std::optional<MomentCurvature> curvature_;
};

}  // namespace norvexa::capacity
