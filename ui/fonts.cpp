#include "fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
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

QFont FontFor(ControlFont font) {
  // Resolved once, so that font matching runs once per face. The installed
  // families come from the font database every Qt program builds; asking
  // fontconfig to resolve a name as an alias would cost a substitution pass.
  static const QStringList installed = QFontDatabase::families();
  static const QString sans = FirstInstalledFace(kSansFaces, installed);
  static const QString mono = FirstInstalledFace(kMonospacedFaces, installed);
  QFont qfont;
  switch (font) {
    case ControlFont::ArialBold9_75:
    case ControlFont::ArialBold12:
      qfont.setFamily(sans);
      qfont.setStyleHint(QFont::SansSerif);
      qfont.setPointSizeF(font == ControlFont::ArialBold12 ? 12.0 : 9.75);
      qfont.setWeight(QFont::Bold);
      break;
    case ControlFont::CourierNew12:
      qfont.setFamily(mono);
      qfont.setStyleHint(QFont::TypeWriter);
      qfont.setPointSizeF(12.0);
      qfont.setWeight(QFont::Normal);
      break;
  }
  // Every caption's characters are in the face, so no fallback faces are
  // looked up; that saves a fontconfig search per font at start-up.
  qfont.setStyleStrategy(QFont::NoFontMerging);
  return qfont;
}

}  // namespace welvaro::ui
