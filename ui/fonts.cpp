#include "fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace welvaro::ui {
namespace {

/// The face itself where it is installed, else its metric-compatible
/// stand-in; resolved once, so that font matching runs once per face. The
/// installed families are read from the font database every Qt program
/// builds; asking fontconfig to resolve the name as an alias would cost a
/// substitution pass and find no other face.
QString InstalledFamily(const QString& wanted, const QString& standIn) {
  return QFontDatabase::families().contains(wanted, Qt::CaseInsensitive) ? wanted : standIn;
}

}  // namespace

QFont FontFor(ControlFont font) {
  static const QString sans =
      InstalledFamily(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  static const QString mono =
      InstalledFamily(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  QFont qfont;
  switch (font) {
    case ControlFont::ArialBold9_75:
    case ControlFont::ArialBold12:
      qfont.setFamily(sans);
      qfont.setPointSizeF(font == ControlFont::ArialBold12 ? 12.0 : 9.75);
      qfont.setWeight(QFont::Bold);
      break;
    case ControlFont::CourierNew12:
      qfont.setFamily(mono);
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
