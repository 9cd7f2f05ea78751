#include "common/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace aquamere {
namespace {

// Look-ups go through an index made at the first one; controls added or
// moved afterwards, and copies of the window, are still found by name.
TEST(Form, FindsControlsByNameWhereverTheyStand) {
  Form form{.name = "frmtest"};
  for (const char* name : {"t_Ng", "t_qg", "t_fs", "List1", "List2"}) form.controls.push_back({.name = name});
  EXPECT_EQ(&form.at("t_qg"), &form.controls[1]);
  form.controls.push_back({.name = "lab_3"});
  EXPECT_EQ(&form.at("lab_3"), &form.controls[5]);
  std::swap(form.controls[0], form.controls[4]);
  EXPECT_EQ(form.at("List2").name, "List2");
  EXPECT_EQ(form.at("t_Ng").name, "t_Ng");
  const Form copy = form;
  EXPECT_EQ(&copy.at("t_fs"), &copy.controls[2]);
  EXPECT_EQ(copy, form);
  EXPECT_EQ(form.find("t_N"), nullptr);
  EXPECT_EQ(form.find(""), nullptr);
  EXPECT_THROW(form.at("List3"), std::out_of_range);
}

}  // namespace
}  // namespace aquamere
