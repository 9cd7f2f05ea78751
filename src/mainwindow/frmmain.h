#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/event.h"
#include "common/form.h"
#include "common/value.h"
#include "common/window_host.h"
#include "mainwindow/frmmain_names.h"
#include "mainwindow/main_vars.h"
#include "report/modfile.h"

namespace aquamere {

struct Material;

// The main window's procedures. The window's controls and public variables
// live in the program state; this object only acts on them, in the system's
// own order of steps. The procedures are split over files by concern:
// segment entry, design flow, sizing, commands.
class FrmMain {
 public:
  // `coef_i` is the 1000i coefficient of the material in force; the report
  // module writes the segment lines.
  FrmMain(WindowHost& host, MainVars& vars, float& coef_i, ModFile& modfile)
      : host_(host), vars_(vars), coef_i_(coef_i), modfile_(modfile) {}

  static Form layout();
  void load();
  void handle(const Event& event);

  // Segment entry.
  void update_ngz();  // t_ngz follows t_fz and t_Ng
  void contn();
  void cleardata();

  // Design flow.
  void jsuoac();
  void ac1(std::optional<double> uo);
  void ac2(double uo);
  void sjmll();
  void qgy();
  bool hu_qg();
  void ky1();
  void jq_Uo_ac();
  void nguo1();
  void ngz_z();

  // Pipe table and sizing.
  void set_dj();
  void set_styl();
  std::string vvv(const Value& qg, const Value& dj) const;
  std::string iii(const Value& qg, const Value& dj) const;
  void djj_v_i();
  void v_de_i();

  // Calculation commands.
  // The reset a batch starts with; the window before it is the one its
  // first segment records.
  void start_batch();
  void sj_qg();
  void cmdjsmll_click();
  void t_fs_dblclick();
  void t_Ng_dblclick();
  void t_qg_dblclick();
  void mnufs_click();
  void form_dblclick();
  void chk_j_click();
  void menu_click(const std::string& item);
  void mnuexport_click();
  // Hands the segment as the window now shows it to the report.
  void put_seg();

  // A further segment with the load of the last calculation.
  void repeat_segment();

  // Undoing the last segment: the report and the journal lose it, the
  // window is as it was before it.
  void mnuundo_click();
  // Whether the menu item is a menu that holds others (计算, 计算书, 帮助).
  bool holds_items(std::string_view item) const;

  // The window as it was before a recorded segment, and another material's
  // table in force: where a chain calculated again starts, and what each of
  // its segments was calculated with.
  void put_back(const WindowBefore& before);
  void put_material_in_force(const std::string& name);
  // The material whose table is in force; "" for none of the four.
  std::string material_in_force() const;
  // The result lists as another main window last filled them, taken as
  // this one's: its state has just become this window's, as when a chain
  // calculated again beside this window is taken up here.
  void carry_on_from(const FrmMain& other) { listing_ = other.listing_; }

 private:
  Form& form() { return host_.window(frmmain::name); }
  const Form& form() const { return host_.window(frmmain::name); }
  MainVars& vars() { return vars_; }
  const MainVars& vars() const { return vars_; }
  // The text of a box read strictly as a number; a failure names the box.
  double number(std::string_view control) const;
  double leading(std::string_view control) const;
  // Puts a material's inner diameters and 1000i coefficient in force.
  void load_table(const Material& material);
  // Ends the command with the message of a refused step.
  [[noreturn]] void refuse(std::string_view text);

  // Numbers a segment command works out on its way that no box or variable
  // keeps, noted for the segment's record in the journal beside the report.
  // Each segment command starts them afresh; they are no part of the
  // program's state, which a failed command puts back.
  struct WorkingNotes {
    SegmentRecord::Command command = SegmentRecord::Command::Calculate;
    Calculation::Method method = Calculation::Method::Probability;
    Value sum_ng_before, sum_shares_before;
    std::optional<double> uo, share, mean_uo, u, flow;
    bool alpha_c_typed = false;
    WindowBefore before;
  };
  void begin_segment(SegmentRecord::Command command, Calculation::Method method);
  // The segment as the window now shows it, with the notes.
  Calculation calculation() const;

  // The window as it now stands, for the record of the segment to come.
  WindowBefore window_before() const;
  void put_back_text(const std::string& name, const std::string& text);
  // The result lists of a flow through the table in force, or through the
  // table of the material they were listed for.
  void list_candidates(double flow);
  void list_again(const WindowBefore::Listed& listed);
  // The segment counter and the label that goes with it.
  void show_counter(const std::string& counter);

  WindowHost& host_;
  MainVars& vars_;
  float& coef_i_;
  ModFile& modfile_;
  WorkingNotes notes_;
  // A batch's first segment is undone to the window as it was before the
  // batch reset the sums.
  std::optional<WindowBefore> batch_before_;
  // The result lists as the program last filled them: while the lists still
  // hold those very lines, a segment's record keeps them as the flow and
  // the material they were listed for, far shorter than their lines.
  struct Listing {
    double flow = 0;
    std::string material;
    std::array<ListItems, 3> lists;
  };
  std::optional<Listing> listing_;
};

}  // namespace aquamere
