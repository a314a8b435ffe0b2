// The designs the page's script builds forms from: texts of any kind arrive whole and
// parseable, and what a design leaves unset arrives as unset.
#include "platform/web/design_json.h"

#include <gtest/gtest.h>

TEST(DesignJson, TextsKeepEveryCharacterAndEscapeWhatJsonCannotHoldBare) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("say \"hi\" \\ bye"), "\"say \\\"hi\\\" \\\\ bye\"");
  EXPECT_EQ(JsonString("one\r\ntwo\t\x1b"), "\"one\\u000d\\u000atwo\\u0009\\u001b\"");
  EXPECT_EQ(JsonString("Привет 日本 مرحبا"), "\"Привет 日本 مرحبا\"");
}

TEST(DesignJson, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  EXPECT_EQ(JsonString("caf\xE9!"), "\"caf\xEF\xBF\xBD!\"");
  EXPECT_EQ(JsonString("cut \xE6\x97"), "\"cut \xEF\xBF\xBD\"");
}

TEST(DesignJson, AFormCarriesItsControlsInOrderWithUnsetColoursAsNull) {
  FormDesign design;
  design.name = "Form2";
  design.caption = "Screen saver";
  design.client_width = 6000;
  design.client_height = 4500;
  design.border = BorderStyle::kFixedDialog;
  ControlDesign button;
  button.name = "Command3";
  button.kind = ControlKind::kCommandButton;
  button.bounds = {120, 240, 1215, 375};
  button.caption = "&Cancel";
  button.cancel = true;
  ControlDesign label;
  label.name = "Label1";
  label.parent = "Picture1";
  label.text_color = Color{255, 0, 128};
  label.font = {"Times New Roman", 9.75, true, true};
  design.controls = {button, label};

  const std::string json = DesignJson(design);
  EXPECT_NE(json.find("\"caption\":\"Screen saver\",\"width\":6000,\"height\":4500,\"back\":null,"
                      "\"border\":\"fixed-dialog\""),
            std::string::npos)
      << json;
  const std::size_t first = json.find("\"name\":\"Command3\",\"kind\":\"button\",\"parent\":\"\","
                                      "\"bounds\":[120,240,1215,375],\"caption\":\"&Cancel\"");
  const std::size_t second = json.find("\"name\":\"Label1\",\"kind\":\"label\",\"parent\":\"Picture1\"");
  ASSERT_NE(first, std::string::npos) << json;
  ASSERT_NE(second, std::string::npos) << json;
  EXPECT_LT(first, second);
  // The font carries the CSS families the face table gives its face.
  EXPECT_NE(json.find("\"font\":{\"name\":\"Times New Roman\",\"families\":"
                      "\"\\\"Times New Roman\\\", \\\"Zorbel Serif\\\", serif\",\"size\":9.75,\"bold\":true,"
                      "\"underline\":true},\"color\":[255,0,128],\"back\":null"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"cancel\":true}"), std::string::npos);
}
