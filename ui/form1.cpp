#include "form1.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleHints>
#include <QtGlobal>
#include <algorithm>
#include <utility>
#include <vector>

#include "background_picture.h"
#include "control_builder.h"
#include "shape.h"
#include "texts.h"

namespace welvaro::ui {
Form1::Form1(Dialogs& dialogs, RegionalNotation notation, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), notation_(std::move(notation)), announcer_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(texts::window::kCaption.toString());
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  // The whole picture serves the captions' colours and the first frame.
  background_ = {BackgroundBeneath(rect(), 1)};
  BuildControls();
  Form1Load();
  ColourCaptions();
  captionsDue_.setSingleShot(true);
  captionsDue_.setInterval(0);
  connect(&captionsDue_, &QTimer::timeout, this, &Form1::ColourCaptions);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // A desktop may switch between light and dark without a new palette reaching
  // the window at once.
  connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
          &Form1::ColourCaptionsSoon);
#endif
}

void Form1::BuildControls() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : WindowDesign()) rows.push_back(&row);
  // Later siblings are drawn above earlier ones: labels and shapes first,
  // back to front, then every text box and button in tab order.
  std::ranges::sort(rows, {}, [](const ControlRow* row) {
    return row->paintingPlace ? std::pair(0, *row->paintingPlace) : std::pair(1, *row->tabPlace);
  });
  std::vector<QWidget*> tabSequence;
  for (const ControlRow* row : rows) {
    QWidget* control = BuildControl(*row, this);
    if (row->kind == ControlKind::Shape) shapes_.push_back(control);
    if (row->kind == ControlKind::Label) {
      captions_.emplace_back(qobject_cast<QLabel*>(control), row->colour);
    }
    if (row->tabPlace) tabSequence.push_back(control);
    if (row->textBox) textBoxes_.Fill(*row->textBox, qobject_cast<QLineEdit*>(control));
    if (row->composedLabel)
      composedLabels_.Fill(*row->composedLabel, qobject_cast<QLabel*>(control));
    if (row->action != nullptr) {
      connect(qobject_cast<QPushButton*>(control), &QPushButton::clicked, this, row->action);
    }
  }
  for (std::size_t i = 1; i < tabSequence.size(); ++i) {
    setTabOrder(tabSequence[i - 1], tabSequence[i]);
  }
  tabSequence.front()->setFocus();
}

void Form1::Form1Load() {
  using enum ComposedLabelId;
  composedLabels_[LblFormel]->setText(texts::load_captions::CoilFormula());
  composedLabels_[LblResfreq]->setText(texts::load_captions::ResonanceFormula());
  composedLabels_[LblLoop]->setText(texts::load_captions::LoopFormula());
  composedLabels_[LblIntro]->setText(texts::load_captions::Intro());
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
    ColourCaptionsSoon();
  }
}

// The window hears of a new palette before its controls take it, and often
// more than once for one change of scheme: the captions are judged once, when
// the controls have it.
void Form1::ColourCaptionsSoon() { captionsDue_.start(); }

void Form1::ColourCaptions() {
  const bool whole = background_.size() == 1 && background_.front().place == rect() &&
                     background_.front().pixels.devicePixelRatio() == 1.0;
  const QImage picture = (whole ? background_.front() : BackgroundBeneath(rect(), 1))
                             .pixels.toImage()
                             .convertToFormat(QImage::Format_RGB32);
  // What lies beneath each caption in the scheme's colour: the picture and the shapes.
  for (const auto& [label, colour] : captions_) {
    QImage beneath;
    if (colour == TextColour::SystemButtonText) {
      beneath = picture.copy(label->geometry());
      for (const QWidget* shape : shapes_) {
        qobject_cast<const Shape*>(shape)->DrawInto(beneath, label->pos());
      }
    }
    ColourCaption(*label, colour, beneath);
  }
}

void Form1::paintEvent(QPaintEvent* event) {
  // Unscaled at the top-left corner; what lies beyond the client area is
  // clipped. On a high-resolution screen the picture drawn at twice the size
  // keeps it sharp.
  const int ratio = devicePixelRatioF() > 1.0 ? 2 : 1;
  QPainter painter(this);
  QRegion missing;
  for (const QRect& part : event->region()) {
    const QRect wanted = part & rect();
    const auto kept = std::ranges::find_if(background_, [&](const BackgroundPiece& piece) {
      return piece.pixels.devicePixelRatio() == ratio && piece.place.contains(wanted);
    });
    if (kept == background_.end()) {
      missing += wanted;
      continue;
    }
    painter.setClipRect(wanted);
    painter.drawPixmap(kept->place.topLeft(), kept->pixels);
  }
  if (!missing.isEmpty()) {
    BackgroundPiece piece = BackgroundBeneath(missing.boundingRect(), ratio);
    painter.setClipRegion(missing);
    painter.drawPixmap(piece.place.topLeft(), piece.pixels);
    if (piece.place == rect()) background_ = {std::move(piece)};
  }
  // The whole picture serves a whole frame. Later paints are of the place of
  // a text box or button, as the pointer passes, the text cursor blinks or a
  // result is written: just those pieces are kept, where the whole picture
  // would hold 1.7 MB for as long as the window is open.
  if (background_.size() == 1 && background_.front().place == rect()) {
    const BackgroundPiece whole = std::exchange(background_, {}).front();
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->focusPolicy() != Qt::NoFocus) {
        background_.push_back(PartOf(whole, control->geometry()));
      }
    }
  }
}

}  // namespace welvaro::ui
