// Each dialog call handed to the page's script, which holds the live dialogs by handle.
#include "platform/web/web_html_windows.h"

#include <emscripten.h>

#include "platform/web/design_json.h"
#include "platform/web/web_bridge.h"
#include "ui/faces.h"

// clang-format off
EM_JS(void, web_create_form, (int form, const char* design), {
  Module.zorbelHome.forms.create(form, JSON.parse(UTF8ToString(design)));
});
EM_JS(void, web_destroy_form, (int form), { Module.zorbelHome.forms.destroy(form); });
EM_JS(void, web_show_form, (int form, int owner), { Module.zorbelHome.forms.show(form, owner); });
EM_JS(void, web_set_caption, (int form, const char* caption), {
  Module.zorbelHome.forms.setCaption(form, UTF8ToString(caption));
});
EM_JS(void, web_set_focus, (int form, int control), { Module.zorbelHome.forms.setFocus(form, control); });
EM_JS(void, web_client_size, (int form, int* size), {
  const twips = Module.zorbelHome.forms.clientSize(form);
  HEAP32[size >> 2] = twips[0];
  HEAP32[(size >> 2) + 1] = twips[1];
});
EM_JS(void, web_set_control, (int form, int control, const char* property, const char* json), {
  Module.zorbelHome.forms.setControl(form, control, UTF8ToString(property), JSON.parse(UTF8ToString(json)));
});
EM_JS(char*, web_read_control_text, (int form, int control), {
  return Module.zorbelHome.textToScript(Module.zorbelHome.forms.readText(form, control));
});
EM_JS(void, web_set_timer, (int form, int control, int interval), {
  Module.zorbelHome.forms.setTimer(form, control, interval);
});
// clang-format on

namespace {

std::string FontJson(const FontSpec& font) {
  return "{\"name\":" + JsonString(font.name) + ",\"families\":" + JsonString(WebFamiliesOf(font.name)) +
         ",\"size\":" + std::to_string(font.size_points) +
         ",\"bold\":" + (font.bold ? "true" : "false") + ",\"underline\":" + (font.underline ? "true" : "false") +
         "}";
}

void SetControl(FormHandle form, int control, const char* property, const std::string& json) {
  web_set_control(form, control, property, json.c_str());
}

}  // namespace

FormHandle WebHtmlWindows::CreateForm(const FormDesign& design, FormEventSink& sink) {
  const FormHandle handle = next_handle_++;
  web_create_form(handle, DesignJson(design).c_str());
  sinks_[handle] = &sink;
  return handle;
}

void WebHtmlWindows::DestroyForm(FormHandle form) {
  if (sinks_.erase(form) > 0) web_destroy_form(form);
}

void WebHtmlWindows::ShowForm(FormHandle form) { web_show_form(form, 0); }

void WebHtmlWindows::ShowModal(FormHandle form, FormHandle owner) { web_show_form(form, owner); }

void WebHtmlWindows::SetFormCaption(FormHandle form, const std::string& caption) {
  web_set_caption(form, caption.c_str());
}

void WebHtmlWindows::SetFocus(FormHandle form, int control) { web_set_focus(form, control); }

TwipSize WebHtmlWindows::ClientSize(FormHandle form) {
  int size[2] = {0, 0};
  web_client_size(form, size);
  return {size[0], size[1]};
}

void WebHtmlWindows::SetControlText(FormHandle form, int control, const std::string& text) {
  SetControl(form, control, "caption", JsonString(text));
}

void WebHtmlWindows::SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) {
  SetControl(form, control, "color",
             color ? "[" + std::to_string(color->red) + "," + std::to_string(color->green) + "," +
                         std::to_string(color->blue) + "]"
                   : "null");
}

void WebHtmlWindows::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  SetControl(form, control, "font", FontJson(font));
}

void WebHtmlWindows::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  const char* names[] = {"\"left\"", "\"right\"", "\"center\""};
  SetControl(form, control, "align", names[static_cast<int>(alignment)]);
}

void WebHtmlWindows::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  SetControl(form, control, "bounds",
             "[" + std::to_string(bounds.left) + "," + std::to_string(bounds.top) + "," +
                 std::to_string(bounds.width) + "," + std::to_string(bounds.height) + "]");
}

void WebHtmlWindows::SetControlVisible(FormHandle form, int control, bool visible) {
  SetControl(form, control, "visible", visible ? "true" : "false");
}

void WebHtmlWindows::SetControlChecked(FormHandle form, int control, bool checked) {
  SetControl(form, control, "checked", checked ? "true" : "false");
}

std::string WebHtmlWindows::ReadControlText(FormHandle form, int control) {
  return TakeScriptText(web_read_control_text(form, control));
}

void WebHtmlWindows::SetTimer(FormHandle form, int control, int interval_ms) {
  web_set_timer(form, control, interval_ms);
}

FormEventSink* WebHtmlWindows::SinkOf(FormHandle form) const {
  const auto found = sinks_.find(form);
  return found == sinks_.end() ? nullptr : found->second;
}
