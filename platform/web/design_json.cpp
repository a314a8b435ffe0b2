// Writes form designs as JSON for the page's script.
#include "platform/web/design_json.h"

#include <cstdio>

#include "startup/utf8.h"
#include "ui/faces.h"

namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel: return "label";
    case ControlKind::kPictureBox: return "picture";
    case ControlKind::kTimer: return "timer";
    case ControlKind::kCommandButton: return "button";
    case ControlKind::kFrame: return "frame";
    case ControlKind::kOptionButton: return "option";
    case ControlKind::kCheckBox: return "check";
    case ControlKind::kTextBox: return "text";
  }
  return "label";
}

const char* AlignmentName(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft: return "left";
    case TextAlignment::kRight: return "right";
    case TextAlignment::kCenter: return "center";
  }
  return "left";
}

const char* BorderName(BorderStyle border) {
  switch (border) {
    case BorderStyle::kNone: return "none";
    case BorderStyle::kFixedSingle: return "fixed-single";
    case BorderStyle::kSizable: return "sizable";
    case BorderStyle::kFixedDialog: return "fixed-dialog";
  }
  return "sizable";
}

std::string ColorJson(const std::optional<Color>& color) {
  if (!color) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "[%d,%d,%d]", color->red, color->green, color->blue);
  return text;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(text, at);
    const char c = text[at];
    if (!sequence.well_formed) {
      AppendUtf8(json, kReplacementCharacter);
    } else if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      json += escape;
    } else {
      json.append(text.substr(at, sequence.length));
    }
    at += sequence.length;
  }
  return json + "\"";
}

std::string DesignJson(const FormDesign& design) {
  std::string json = "{\"name\":" + JsonString(design.name) + ",\"caption\":" + JsonString(design.caption) +
                     ",\"width\":" + std::to_string(design.client_width) +
                     ",\"height\":" + std::to_string(design.client_height) +
                     ",\"back\":" + ColorJson(design.back_color) + ",\"border\":\"" + BorderName(design.border) +
                     "\",\"maximized\":" + Bool(design.maximized) + ",\"controls\":[";
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& c = design.controls[i];
    if (i > 0) json += ',';
    json += "{\"name\":" + JsonString(c.name) + ",\"kind\":\"" + KindName(c.kind) +
            "\",\"parent\":" + JsonString(c.parent) + ",\"bounds\":[" + std::to_string(c.bounds.left) + ',' +
            std::to_string(c.bounds.top) + ',' + std::to_string(c.bounds.width) + ',' +
            std::to_string(c.bounds.height) + "],\"caption\":" + JsonString(c.caption) +
            ",\"font\":{\"name\":" + JsonString(c.font.name) + ",\"families\":" +
            JsonString(WebFamiliesOf(c.font.name)) + ",\"size\":" + Number(c.font.size_points) +
            ",\"bold\":" + Bool(c.font.bold) + ",\"underline\":" + Bool(c.font.underline) +
            "},\"color\":" + ColorJson(c.text_color) + ",\"back\":" + ColorJson(c.back_color) +
            ",\"transparent\":" + Bool(c.transparent) + ",\"round\":" + Bool(c.round) + ",\"align\":\"" +
            AlignmentName(c.alignment) + "\",\"autoSize\":" + Bool(c.auto_size) +
            ",\"visible\":" + Bool(c.visible) + ",\"enabled\":" + Bool(c.enabled) +
            ",\"tooltip\":" + JsonString(c.tooltip) + ",\"checked\":" + Bool(c.checked) +
            ",\"cancel\":" + Bool(c.cancel) + "}";
  }
  return json + "]}";
}
