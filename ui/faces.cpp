// The face table. The old dialog face and the newer one have no metric-compatible faces of
// their own; the sans face that Windows' sans faces are measured against stands in for them.
#include "ui/faces.h"

#include <array>

namespace {

constexpr std::array kFaces{
    FaceMapping{"Arial", "Liberation Sans", R"("Arial", "Zorbel Sans", sans-serif)"},
    FaceMapping{"Times New Roman", "Liberation Serif", R"("Times New Roman", "Zorbel Serif", serif)"},
    FaceMapping{"MS Sans Serif", "Liberation Sans",
                R"("MS Sans Serif", "Microsoft Sans Serif", "Zorbel Sans", sans-serif)"},
    FaceMapping{"Segoe UI", "Liberation Sans", R"("Segoe UI", "Zorbel Sans", sans-serif)"},
};

// What a face the table lacks falls back on.
constexpr const FaceMapping& kSans = kFaces[0];

const FaceMapping* MappingOf(std::string_view design_face) {
  for (const FaceMapping& face : kFaces) {
    if (face.design_face == design_face) return &face;
  }
  return nullptr;
}

}  // namespace

std::span<const FaceMapping> FaceTable() { return kFaces; }

std::string LinuxFamiliesOf(std::string_view design_face) {
  const FaceMapping* face = MappingOf(design_face);
  return std::string(design_face) + "," + std::string((face != nullptr ? *face : kSans).linux_family);
}

std::string WebFamiliesOf(std::string_view design_face) {
  if (const FaceMapping* face = MappingOf(design_face)) return std::string(face->web_families);
  return "\"" + std::string(design_face) + "\", \"Zorbel Sans\", sans-serif";
}
