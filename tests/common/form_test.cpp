#include "common/form.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace aquamere {
namespace {

// A window is searched until its layout is indexed, then looked up through
// the index, which its copies share; both find the same controls.
TEST(Form, FindsControlsByNameBeforeAndAfterIndexing) {
  Form form{.name = "frmtest"};
  for (const char* name : {"t_Ng", "t_qg", "t_fs", "List1", "List2"}) form.controls.push_back({.name = name});
  EXPECT_EQ(&form.at("t_qg"), &form.controls[1]);
  form.index_controls();
  const Form copy = form;
  for (const Form* f : {static_cast<const Form*>(&form), &copy}) {
    EXPECT_EQ(&f->at("List2"), &f->controls[4]);
    EXPECT_EQ(f->find("t_N"), nullptr);
    EXPECT_EQ(f->find(""), nullptr);
    EXPECT_THROW(f->at("List3"), std::out_of_range);
  }
  EXPECT_EQ(copy, form);
}

}  // namespace
}  // namespace aquamere
