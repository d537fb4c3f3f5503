#include "form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "accessibility.h"
#include "background_picture.h"
#include "captions.h"
#include "control_layout.h"
#include "fonts.h"
#include "shape.h"

namespace welvaro::ui {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

Shape* BuildShape(ShapeStyle style, QWidget* parent) {
  if (style == ShapeStyle::WhiteWithTealBorder) {
    return new Shape(QColor(255, 255, 255), QColor(0, 192, 192), 3, parent);
  }
  const QPalette& system = QApplication::palette();
  return new Shape(system.color(QPalette::Base), system.color(QPalette::Text), 1, parent);
}

QLabel* BuildLabel(const ControlSpec& design, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(design.caption));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  label->setMargin(0);
  label->setIndent(0);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourFor(design.colour));
  label->setPalette(palette);
  return label;
}

QPushButton* BuildButton(const ControlSpec& design, QWidget* parent) {
  auto* button = new QPushButton(ToQString(design.caption), parent);
  // Lets Enter click the focused button; outside a dialog no button becomes
  // the default one.
  button->setAutoDefault(true);
  return button;
}

}  // namespace

Form1::Form1(Dialogs& dialogs, RegionalNotation notation, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      notation_(std::move(notation)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Welvaro von Tarsimo"));
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  BuildControls();
  BindActions();
  DescribeForScreenReaders(*this);
  Form1Load();
}

void Form1::BuildControls() {
  // Later siblings are drawn above earlier ones: labels and shapes first, in
  // their painting order, then every text box and button.
  for (std::string_view name : PaintingOrder()) {
    for (const ControlSpec& design : Controls()) {
      if (design.name == name) BuildControl(design);
    }
  }
  std::vector<std::pair<int, QWidget*>> focusable;
  for (const ControlSpec& design : Controls()) {
    if (design.kind == ControlKind::TextBox || design.kind == ControlKind::CommandButton) {
      focusable.emplace_back(design.tabIndex, BuildControl(design));
    }
  }
  std::sort(focusable.begin(), focusable.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    setTabOrder(focusable[i - 1].second, focusable[i].second);
  }
  focusable.front().second->setFocus();
}

QWidget* Form1::BuildControl(const ControlSpec& design) {
  QWidget* control = nullptr;
  switch (design.kind) {
    case ControlKind::Label:
      control = BuildLabel(design, this);
      break;
    case ControlKind::TextBox:
      control = new QLineEdit(this);
      break;
    case ControlKind::CommandButton:
      control = BuildButton(design, this);
      break;
    case ControlKind::Shape:
      control = BuildShape(design.shape, this);
      break;
  }
  control->setObjectName(ToQString(design.name));
  control->setGeometry(TwipsToPixels(design.left), TwipsToPixels(design.top),
                       TwipsToPixels(design.width), TwipsToPixels(design.height));
  if (design.font != ControlFont::NoFont) control->setFont(FontFor(design.font));
  return control;
}

void Form1::BindActions() {
  const std::array<std::pair<const char*, void (Form1::*)()>, 6> actions = {{
      {"CommandFreq", &Form1::CommandFreqClick},
      {"CommandWelang", &Form1::CommandWelangClick},
      {"CommandCalc", &Form1::CommandCalcClick},
      {"CommandSpule", &Form1::CommandSpuleClick},
      {"CommandDrehko", &Form1::CommandDrehkoClick},
      {"CommandLoopInduk", &Form1::CommandLoopIndukClick},
  }};
  for (const auto& [name, action] : actions) {
    auto* button = findChild<QPushButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    connect(button, &QPushButton::clicked, this, action);
  }
}

void Form1::Form1Load() {
  Label("LblFormel")->setText(captions::CoilFormula());
  Label("LblResfreq")->setText(captions::ResonanceFormula());
  Label("LblLoop")->setText(captions::LoopFormula());
  Label("LblIntro")->setText(captions::Intro());
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
  // Unscaled at the top-left corner; what lies beyond the client area is
  // clipped. On a high-resolution screen the picture drawn at twice the size
  // keeps it sharp.
  const int ratio = devicePixelRatioF() > 1.0 ? 2 : 1;
  if (background_.isNull() || background_.devicePixelRatio() != ratio) {
    background_ = VisibleBackground(size(), ratio);
  }
  QPainter(this).drawPixmap(0, 0, background_);
}

QLineEdit* Form1::TextBox(std::string_view name) const {
  return findChild<QLineEdit*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

QLabel* Form1::Label(std::string_view name) const {
  return findChild<QLabel*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

}  // namespace welvaro::ui
