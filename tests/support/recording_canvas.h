// The drawn toolkit's home for tests: a canvas that writes down every call as one line of
// text, text metrics that follow from the bytes alone, and a home around them with its own
// clock, so that painting, layout, timers and input can be read back exactly.
//
// Metrics: a line of a font of p pixels is (bytes x p / 2) wide, rounded up, and p + 2 high.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/drawn/canvas.h"
#include "ui/drawn/drawn_window_system.h"

class RecordedLine : public TextLine {
 public:
  RecordedLine(const CanvasFont& font, std::string_view text) : font_(font), text_(text) {}
  int width() const override { return static_cast<int>((text_.size() * font_.pixels + 1) / 2); }
  int height() const override { return font_.pixels + 2; }
  const std::string& text() const { return text_; }

 private:
  CanvasFont font_;
  std::string text_;
};

class RecordingText : public TextMeasurer {
 public:
  std::shared_ptr<const TextLine> LayOutLine(const CanvasFont& font, std::string_view utf8) override {
    ++laid_out;
    return std::make_shared<RecordedLine>(font, utf8);
  }
  int laid_out = 0;
};

inline std::string BoxText(const PixelBox& box) {
  return std::to_string(box.width) + "x" + std::to_string(box.height) + "+" + std::to_string(box.left) + "+" +
         std::to_string(box.top);
}
inline std::string ColorName(const Color& color) {
  return "(" + std::to_string(color.red) + "," + std::to_string(color.green) + "," + std::to_string(color.blue) + ")";
}

class RecordingCanvas : public Canvas {
 public:
  void FillBox(const Color& color, const PixelBox& box) override { Note("box " + ColorName(color) + " " + BoxText(box)); }
  void FillDisc(const Color& color, const PixelBox& bounds) override {
    Note("disc " + ColorName(color) + " " + BoxText(bounds));
  }
  void DrawLine(const TextLine& line, const Color& color, long long left, long long top) override {
    texts.push_back({static_cast<const RecordedLine&>(line).text(), PixelBox{left, top, line.width(), line.height()}});
    Note("text \"" + static_cast<const RecordedLine&>(line).text() + "\" " + ColorName(color) + " at " +
         std::to_string(left) + "," + std::to_string(top));
  }
  void PushClip(const PixelBox& box) override { Note("clip " + BoxText(box)); }
  void PopClip() override { Note("unclip"); }
  void BeginScaled(int width, int height) override {
    Note("scaled " + std::to_string(width) + "x" + std::to_string(height));
  }
  void EndScaled(double scale) override { Note("end scaled " + std::to_string(scale)); }

  std::vector<std::string> calls;
  // Each line drawn, with the box it takes.
  struct DrawnText {
    std::string text;
    PixelBox box;
  };
  std::vector<DrawnText> texts;

 private:
  void Note(const std::string& call) { calls.push_back(call); }
};

// A home of the drawn toolkit whose windows are as large as a test says, whose clock a test
// moves, and whose painting goes onto one recording canvas.
class RecordingHome : public DrawnWindowSystem {
 public:
  explicit RecordingHome(int dots_per_inch = 96) : DrawnWindowSystem(dots_per_inch) {}
  ~RecordingHome() override { DestroyAllForms(); }

  using DrawnWindowSystem::FormAt;
  int window_width = 640;
  int window_height = 480;
  bool refuse_windows = false;
  long long now_ms = 0;
  RecordingText recorded_text;
  RecordingCanvas canvas;
  std::vector<std::string> windows;  // what happened to the windows, in order

 protected:
  void OpenWindow(FormHandle handle, const FormDesign&, DrawnForm& form) override {
    if (refuse_windows) throw std::runtime_error("no window");
    windows.push_back("opened " + std::to_string(handle));
    form.SetWindowSize(window_width, window_height);
  }
  void CloseWindow(FormHandle handle) noexcept override { windows.push_back("closed " + std::to_string(handle)); }
  void ShowWindow(FormHandle handle, DrawnForm&) override { windows.push_back("shown " + std::to_string(handle)); }
  void NameWindow(FormHandle handle, const std::string& caption) override {
    windows.push_back("named " + std::to_string(handle) + " " + caption);
  }
  void PaintWindow(FormHandle handle, DrawnForm& form) override {
    windows.push_back("painted " + std::to_string(handle));
    form.Paint(canvas, recorded_text);
  }
  long long NowMs() override { return now_ms; }
  TextMeasurer& text() override { return recorded_text; }
};
