#include "text_box.h"

#include <QFont>
#include <QLineEdit>
#include <QWidget>

namespace welvaro::ui {

QLineEdit* NewTextBox(const QFont& font, QWidget* parent) {
  // A line edit lays out its empty text while it is built, in the font it
  // inherits. Built inside a carrier with its own font, it never loads the
  // application's default face, which no control of the window shows.
  QWidget carrier;
  carrier.setFont(font);
  auto* box = new QLineEdit(&carrier);
  box->setFont(font);
  box->setParent(parent);
  return box;
}

}  // namespace welvaro::ui
