// The drawn toolkit's canvas and text in a page: each call drawn on the saver window's 2D
// canvas by the page's script, and each line measured there in the browser's fonts, which
// shape any script and fall back to the system's faces for characters a face lacks.
#pragma once

#include "ui/drawn/canvas.h"

class WebTextMeasurer : public TextMeasurer {
 public:
  std::shared_ptr<const TextLine> LayOutLine(const CanvasFont& font, std::string_view utf8) override;
};

// Draws on the canvas of one window of the page, by its handle.
class WebCanvas : public Canvas {
 public:
  explicit WebCanvas(int window) : window_(window) {}
  void FillBox(const Color& color, const PixelBox& box) override;
  void FillDisc(const Color& color, const PixelBox& bounds) override;
  void DrawLine(const TextLine& line, const Color& color, long long left, long long top) override;
  void PushClip(const PixelBox& box) override;
  void PopClip() override;
  void BeginScaled(int width, int height) override;
  void EndScaled(double scale) override;

 private:
  int window_;
};
