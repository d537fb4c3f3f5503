#include "control_builder.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "contrast.h"
#include "focus_framed_button.h"
#include "fonts.h"
#include "shape.h"
#include "text_box.h"
#include "window_design.h"

namespace welvaro::ui {
namespace {

QRect PixelRect(const TwipsRect& rect) {
  return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
          TwipsToPixels(rect.height)};
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

QWidget* BuildLabel(const ControlRow& row, const QImage& beneath, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(row.caption.toString());
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  label->setMargin(0);
  label->setIndent(0);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label->palette();
  const QColor designed = ColourFor(row.colour);
  // A desktop's scheme may give a light text colour, made for its own dark
  // window colour, which would vanish on the light picture.
  palette.setColor(QPalette::WindowText,
                   row.colour == TextColour::SystemButtonText
                       ? ReadableTextColour(designed, beneath, PixelRect(row.rect))
                       : designed);
  label->setPalette(palette);
  return label;
}

QWidget* BuildButton(const ControlRow& row, QWidget* parent) {
  auto* button = new FocusFramedButton(row.caption.toString(), parent);
  // Lets Enter click the focused button; outside a dialog no button becomes
  // the default one.
  button->setAutoDefault(true);
  return button;
}

QWidget* BuildOfKind(const ControlRow& row, const QImage& beneath, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::Label:
      return BuildLabel(row, beneath, parent);
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

QWidget* BuildControl(const ControlRow& row, const QImage& beneath, QWidget* parent) {
  QWidget* control = BuildOfKind(row, beneath, parent);
  control->setObjectName(QLatin1String(row.name.data(), static_cast<qsizetype>(row.name.size())));
  control->setGeometry(PixelRect(row.rect));
  if (row.font) control->setFont(FontFor(*row.font));
  if (!row.accessible.name.isEmpty()) {
    control->setAccessibleName(row.accessible.name.toString());
    control->setAccessibleDescription(row.accessible.description.toString());
  }
  return control;
}

}  // namespace welvaro::ui
