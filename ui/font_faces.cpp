#include "font_faces.h"

#include <algorithm>

namespace welvaro::ui {

QString FirstInstalledFace(std::span<const QStringView> faces,
                           const QStringList& installedFamilies) {
  const auto installed = [&](QStringView face) {
    return std::ranges::any_of(installedFamilies, [face](const QString& family) {
      // A face found at several foundries is listed as "Face [Foundry]".
      return family.compare(face, Qt::CaseInsensitive) == 0 ||
             (family.startsWith(face, Qt::CaseInsensitive) &&
              family.sliced(face.size()).startsWith(u" ["));
    });
  };
  const auto found = std::ranges::find_if(faces, installed);
  return (found != faces.end() ? *found : faces.front()).toString();
}

}  // namespace welvaro::ui
