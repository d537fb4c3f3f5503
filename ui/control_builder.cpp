#include "control_builder.h"

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

QWidget* BuildLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(row.caption.toString());
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  label->setMargin(0);
  label->setIndent(0);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QWidget* BuildButton(const ControlRow& row, QWidget* parent) {
  auto* button = new FocusFramedButton(row.caption.toString(), parent);
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
  return new Shape(*row.shape, parent);
}

}  // namespace

QWidget* BuildControl(const ControlRow& row, QWidget* parent) {
  QWidget* control = BuildOfKind(row, parent);
  control->setObjectName(QLatin1String(row.name.data(), static_cast<qsizetype>(row.name.size())));
  control->setGeometry(PixelRect(row.rect));
  if (row.font) control->setFont(FontFor(*row.font));
  if (!row.accessible.name.isEmpty()) {
    control->setAccessibleName(row.accessible.name.toString());
    control->setAccessibleDescription(row.accessible.description.toString());
  }
  return control;
}

void ColourCaption(QLabel& label, TextColour designed, const QImage& beneath) {
  QColor colour;
  switch (designed) {
    case TextColour::Black:
      colour = QColor(0, 0, 0);
      break;
    case TextColour::White:
      colour = QColor(255, 255, 255);
      break;
    case TextColour::SystemButtonText:
      // A scheme may give a light text colour, made for its own dark window
      // colour, which would vanish on the light picture.
      colour = ReadableTextColour(label.parentWidget()->palette().color(QPalette::ButtonText),
                                  beneath, beneath.rect());
      break;
  }
  // Set only when it changes: every new palette repaints the label.
  if (label.testAttribute(Qt::WA_SetPalette) &&
      label.palette().color(QPalette::WindowText) == colour) {
    return;
  }
  QPalette palette;
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

}  // namespace welvaro::ui
