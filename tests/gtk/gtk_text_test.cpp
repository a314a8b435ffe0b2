// The settings program's conversions at GTK's edge: captions with Windows' accelerator
// marks and line ends as GTK shows them, and keys as the forms' dialog keyboard knows them.
#include <gtest/gtest.h>

#include "platform/gtk/gtk_keys.h"
#include "platform/gtk/gtk_text.h"

TEST(GtkTextTest, AcceleratorMarksBecomeMnemonicsAndUnderscoresStayText) {
  EXPECT_EQ(GtkMnemonicText("&Configure saver"), "_Configure saver");
  EXPECT_EQ(GtkMnemonicText("Use &defaults"), "Use _defaults");
  // An underscore of the caption is no mnemonic; a doubled ampersand is one ampersand.
  EXPECT_EQ(GtkMnemonicText("snake_case && &OK"), "snake__case & _OK");
  EXPECT_EQ(GtkMnemonicText("trailing &"), "trailing &");
}

TEST(GtkTextTest, LabelsShowOneAmpersandForTwoAndHideMarks) {
  EXPECT_EQ(GtkLabelText("Daily Jokes on the web && by e-mail!"), "Daily Jokes on the web & by e-mail!");
  EXPECT_EQ(GtkLabelText("&Marked_label"), "Marked_label");
}

TEST(GtkTextTest, WindowsLineEndsBecomeOneLineFeedEach) {
  EXPECT_EQ(GtkLines("first\r\n\r\nsecond\rthird\n"), "first\n\nsecond\nthird\n");
  EXPECT_EQ(GtkLabelText("a && b\r\nc"), "a & b\nc");
}

TEST(GtkKeysTest, LettersAndTabArriveAsTheDialogKeyboardNamesThem) {
  // Alt+C may come as either case, and Shift+Tab as its own key value.
  EXPECT_EQ(KeyOf(GDK_KEY_c), LetterKey('C'));
  EXPECT_EQ(KeyOf(GDK_KEY_C), LetterKey('C'));
  EXPECT_EQ(KeyOf(GDK_KEY_ISO_Left_Tab), Key::kTab);
  EXPECT_EQ(KeyOf(GDK_KEY_KP_Enter), Key::kEnter);
  EXPECT_EQ(KeyOf(GDK_KEY_Shift_L), Key::kNone);
  EXPECT_EQ(ShiftStateOf(GDK_MOD1_MASK | GDK_SHIFT_MASK | GDK_BUTTON1_MASK), 1 | 4);
}
