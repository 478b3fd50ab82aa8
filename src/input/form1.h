#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "analysis/field_source.h"
#include "common/window_model.h"
#include "common/help_line.h"
#include "common/prompter.h"
#include "drawing/analysis_window.h"
#include "input/form3.h"
#include "materials/material_files.h"
#include "materials/material_user.h"

namespace norvexa {

// What the input form's tool bars and list double-clicks open elsewhere in the
// program; an unset hook does nothing.
struct Form1Hooks {
    std::function<void()> nuovo, apri, salva, stampa, guidanon, kalk, Relazione;
    std::function<void()> show_concrete_library, show_steel_library;
};

// The section input window as a model over its control table: its controls, their
// handlers and the unsaved-changes flag. The window layer forwards every widget event to
// the table's entry points and then shows the controls; the analysis reads the controls
// through FieldSource.
class Form1 : public WindowModel, public FieldSource, public MaterialUser {
  public:
    Form1(Form3& title, AnalysisWindow& analysis, Prompter& prompter, HelpLine& help);

    enum class Load { loaded, folders_missing };
    enum class MissingFolders { stop, go_on };
    // The load sequence: placement, display settings, material lists, list contents.
    // With a material folder missing it stops before filling the lists, unless told to
    // go on (the verifier works without a library).
    Load Form_Load(MissingFolders missing = MissingFolders::stop);
    // Closes and loads the form again: every control, list and material label returns to
    // its start state, with the same rule for missing folders as the last load.
    Load reload();
    void Form_Activate();

    // Opens a page of the tabbed panel, as its tabs, the area fields' double click and
    // the return buttons do.
    void show_tab(int tab);
    // Whether a tool-bar button does anything now: button 1 never does, the others when
    // the program has given them their command.
    bool toolbar_button_enabled(int bar, int button) const;

    // MaterialUser.
    std::string material_name(MaterialKind kind) const override;
    void use_material(const Materiale& material) override;
    void show_material_frames(MaterialKind kind, bool shown) override;
    void refresh_material_lists() override;
    Colour material_colour(MaterialKind kind) const override;

    // FieldSource.
    std::string text(std::string_view control) const override;
    int value(std::string_view control) const override;
    void set_back(std::string_view control, Colour colour) override;
    void set_mouse_pointer(int pointer) override { mouse_pointer = pointer; }

    // Handlers.
    void rett_Click();
    void t_Click();
    void size_Change(Control& size);  // tb, th, tb2, th2
    void point_to_comma_Validate(Control& field);
    void SSTab1_Click();
    void Toolbar_ButtonClick(int bar, int button);
    void strati_Click();
    void bar_Change(Control& field);       // a count or diameter field
    void bar_Chosen(int layer, int group);  // a count or diameter chosen or left
    void ta_Change(int layer);
    void ta_KeyDown(int layer);
    void td_Change(int layer);
    void stirrup_Change(Control& field);  // nbr, dst, passo
    void stirrup_Validate(Control& field);
    void Check5_Click();
    void Check1_Click() { salvaconnome = true; }
    void action_Change(Control& action);  // TMS, TVS
    void action_Validate(Control& action);
    void sl1_Change();
    void sl2_Change();
    void Command1_Click();
    void Command1_MouseDown();
    void Command1_MouseUp();
    void File_Click(MaterialKind kind);
    void File_LostFocus(MaterialKind kind);

    bool salvaconnome = false;
    // How many texts the entry rule has refused since the form was made; the project
    // reader watches it to tell a refused line.
    int refused_entries = 0;
    int mouse_pointer = default_pointer;
    int top = 0, left = 0;  // twips, in the main window
    Form1Hooks hooks;
    // Runs after each change of the form, for the windows besides the analysis window
    // whose results read it.
    std::function<void()> on_changed;

    // Reads the named material into its labels (stl1..stl7 or con1..con9); false, with
    // the labels unchanged, when the file is missing, unreadable or too short.
    bool take_material(MaterialKind kind, const std::string& name);
    // Recomputes the three group area labels of a layer from its bar list, leaving the
    // layer's area field and total as they are. False when a group's area is one no
    // label can show; that label is left empty.
    bool show_group_areas(int layer);

  private:
    // Shape choice and sizes.
    Control rett, t, COOR, lblB2, lblH2, webSketch;
    Control tb, th, tb2, th2;
    // Bar layers: layer k is index k - 1.
    Control strati;
    std::array<Control, 4> ta, td, lblAs, lblD, barFrame, returnButton;
    std::array<std::array<Control, 3>, 4> n, f, groupArea;  // count, diameter, area of group g
    std::array<Control, 4> total;                            // atot, ATOT2..ATOT4
    Control SSTab1;                                          // value: the open tab
    // Stirrups, actions, precision, calculate.
    Control frameStaffe, lblNbr, lblDst, lblPasso, lblAst;
    Control nbr, dst, passo, ast, Check5, Check1;
    Control TMS, TVS;
    Control sl1, sl2, rettang, toller;
    Control Command1;
    // Materials: File1 steel, File2 concrete; text is the selected file name.
    Control File1, File2;
    std::array<Control, 7> stl;
    std::array<Control, 9> con;
    // Panels coloured by the display settings.
    Control Shape5, Shape6, Shape7, Shape8, Shape9, Shape10, Shape11, Frame1;
    std::array<Control, 4> s, sq;
    // Frames, captions and tool bars that only a view shows.
    Control frameShape, lblShape1, lblShape2, frameDimensioni, frameSizes, lblB1, lblH1;
    Control frameArmature, frameSollecitazioni, lblTMS, lblTVS;
    Control framePrecisione, lblRettang, lblToller;
    std::array<Control, 4> lblTotal, lblCount, lblDiameter, lblGroupArea;  // per bar-list page
    Control frameAcciaio, frameCls, frameSteelProperties, frameConcreteProperties;
    std::array<Control, 6> lblStl;  // captions of stl2..stl7
    std::array<Control, 8> lblCon;  // captions of con2..con9
    Control Toolbar1, Toolbar2, Toolbar3;

    // Every change may leave the results of the analysis window, and of on_changed's
    // windows, behind the form.
    void changed() override;
    bool show_group_area(int layer, int group);
    void show_material(const Materiale& material);  // name and fields into stl1..stl7 or con1..con9
    // A row of the table, with the control's help text when it has one.
    RowBuilder row(std::string name, Control& control, ControlKind kind);
    void build_table();
    const std::function<void()>* toolbar_action(int bar, int button) const;
    void apply_settings();
    void fill_lists();
    bool entry_accepted(Control& field);
    void refuse(Control& field);  // the syntax-error message, then the field emptied
    void rebuild_lists();
    void switch_layers();
    void clear_bar_list(int layer);
    bool update_stirrup_area();  // false, with the area label emptied, when no label can show it
    Colour switched_off() const { return s[0].back; }

    Form3& title_;
    AnalysisWindow& analysis_;
    Prompter& prompter_;
    MissingFolders missing_folders_ = MissingFolders::stop;
};

}  // namespace norvexa
