#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "announcer.h"
#include "background_picture.h"
#include "control_slots.h"
#include "dialogs.h"
#include "regional_notation.h"
#include "window_design.h"

class QLabel;
class QLineEdit;

namespace welvaro::ui {

/// The one window: 31 controls at fixed places over the background picture,
/// and one action per button.
class Form1 final : public QWidget {
 public:
  Form1(Dialogs& dialogs, RegionalNotation notation, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The design names each button's action.
  friend std::span<const ControlRow> WindowDesign();

  void BuildControls();
  void Form1Load();

  // The colour scheme may change while the window is open.
  void ColourCaptionsSoon();
  void ColourCaptions();

  // Text-box calculators.
  void CommandFreqClick();
  void CommandWelangClick();
  void CommandCalcClick();
  struct Result {
    TextBoxId box;
    QStringView quantity;
    QString text;
  };
  void ShowResults(std::initializer_list<Result> results);
  template <std::size_t N, typename Compute>
  void CalculateFromBoxes(const std::array<QLineEdit*, N>& inputs, QStringView warning,
                          Compute compute);

  // Dialog calculators.
  void CommandSpuleClick();
  void CommandDrehkoClick();
  void CommandLoopIndukClick();
  struct TwoValueCalculation;
  void AskTwoValuesAndShow(const TwoValueCalculation& calculation);

  [[nodiscard]] QString Format(double value, std::string_view pattern) const;

  Dialogs& dialogs_;
  RegionalNotation notation_;
  Announcer announcer_;
  ControlSlots<QLineEdit, TextBoxId> textBoxes_;
  ControlSlots<QLabel, ComposedLabelId> composedLabels_;
  std::vector<std::pair<QLabel*, TextColour>> captions_;
  std::vector<const QWidget*> shapes_;
  QTimer captionsDue_;
  /// The picture beneath the controls that repaint on their own.
  std::vector<BackgroundPiece> background_;
};

}  // namespace welvaro::ui
