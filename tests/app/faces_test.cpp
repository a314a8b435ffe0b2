// The face table: every face a design names has its Linux and web faces, and a face the
// table lacks still reaches a face of the same kind of widths.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "saver/form1_design.h"
#include "setup/form2_design.h"
#include "setup/form3_design.h"
#include "setup/form4_design.h"
#include "ui/faces.h"

namespace {

TEST(Faces, EveryFaceTheDesignsNameIsInTheTable) {
  std::set<std::string> named;
  for (const FormDesign* design : {&Form1Design(), &Form2Design(), &Form3Design(), &Form4Design()}) {
    for (const ControlDesign& control : design->controls) named.insert(control.font.name);
  }
  ASSERT_GE(named.size(), 2u);
  for (const std::string& face : named) {
    bool found = false;
    for (const FaceMapping& mapping : FaceTable()) found = found || mapping.design_face == face;
    EXPECT_TRUE(found) << face << " is named by a design but has no row";
  }
}

TEST(Faces, EachHomeAsksForTheFaceFirstThenItsMetricCompatibleOne) {
  EXPECT_EQ(LinuxFamiliesOf("Times New Roman"), "Times New Roman,Liberation Serif");
  EXPECT_EQ(LinuxFamiliesOf("Arial"), "Arial,Liberation Sans");
  EXPECT_EQ(LinuxFamiliesOf("MS Sans Serif"), "MS Sans Serif,Liberation Sans");
  EXPECT_EQ(LinuxFamiliesOf("Wingdings"), "Wingdings,Liberation Sans") << "an unknown face falls back on sans";
  EXPECT_EQ(WebFamiliesOf("Times New Roman"), R"("Times New Roman", "Zorbel Serif", serif)");
  EXPECT_EQ(WebFamiliesOf("Wingdings"), R"("Wingdings", "Zorbel Sans", sans-serif)");
}

}  // namespace
