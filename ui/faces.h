// The designs' faces in each home: the one table of what a face a design names (a Windows
// face) is asked for as on Linux, where fontconfig holds the metric-compatible faces, and in
// a browser, where the page brings those faces as web fonts. Windows uses the name itself.
#pragma once

#include <span>
#include <string>
#include <string_view>

struct FaceMapping {
  std::string_view design_face;    // as the designs and the display cycle name it
  std::string_view linux_family;   // the face of the same widths a Linux system installs
  std::string_view web_families;   // a CSS family list: the face, the page's own, a generic
};

std::span<const FaceMapping> FaceTable();

// The families a Linux home asks fontconfig for, best first: the face itself where the
// system has it, then its metric-compatible face; a face the table lacks falls back on the
// sans one. Fontconfig adds the fallbacks for other scripts after these.
std::string LinuxFamiliesOf(std::string_view design_face);

// The CSS family list a browser draws the face with.
std::string WebFamiliesOf(std::string_view design_face);
