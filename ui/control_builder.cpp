#include "control_builder.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include "shape.h"
#include "text_box.h"
#include "window_design.h"

namespace welvaro::ui {
namespace {

/// The face itself where it is installed, else its metric-compatible
/// stand-in; resolved once, so that font matching runs once per face.
QString InstalledFamily(const QString& wanted, const QString& standIn) {
  return QFontDatabase::hasFamily(wanted) ? wanted : standIn;
}

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

QColor ColourFor(TextColour colour) {
  switch (colour) {
    case TextColour::Black:
      return {0, 0, 0};
    case TextColour::White:
      return {255, 255, 255};
    case TextColour::SystemButtonText:
      break;
  }
  return QApplication::palette().color(QPalette::ButtonText);
}

QWidget* BuildShape(ShapeStyle style, QWidget* parent) {
  if (style == ShapeStyle::WhiteWithTealBorder) {
    return new Shape(QColor(255, 255, 255), QColor(0, 192, 192), 3, parent);
  }
  const QPalette& system = QApplication::palette();
  return new Shape(system.color(QPalette::Base), system.color(QPalette::Text), 1, parent);
}

QWidget* BuildLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(row.caption.toString());
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  label->setMargin(0);
  label->setIndent(0);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourFor(row.colour));
  label->setPalette(palette);
  return label;
}

QWidget* BuildButton(const ControlRow& row, QWidget* parent) {
  auto* button = new QPushButton(row.caption.toString(), parent);
  // Lets Enter click the focused button; outside a dialog no button becomes
  // the default one.
  button->setAutoDefault(true);
  return button;
}

QWidget* BuildOfKind(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::Label:
      return BuildLabel(row, parent);
    case ControlKind::TextBox:
      return new TextBox(parent);
    case ControlKind::CommandButton:
      return BuildButton(row, parent);
    case ControlKind::Shape:
      break;
  }
  return BuildShape(*row.shape, parent);
}

}  // namespace

QWidget* BuildControl(const ControlRow& row, QWidget* parent) {
  QWidget* control = BuildOfKind(row, parent);
  control->setObjectName(QLatin1String(row.name.data(), static_cast<qsizetype>(row.name.size())));
  control->setGeometry(TwipsToPixels(row.rect.left), TwipsToPixels(row.rect.top),
                       TwipsToPixels(row.rect.width), TwipsToPixels(row.rect.height));
  if (row.font) control->setFont(FontFor(*row.font));
  if (!row.accessible.name.isEmpty()) {
    control->setAccessibleName(row.accessible.name.toString());
    control->setAccessibleDescription(row.accessible.description.toString());
  }
  return control;
}

}  // namespace welvaro::ui
