#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string_view>

#include "dialogs.h"
#include "regional_notation.h"

class QLabel;
class QLineEdit;

namespace welvaro::ui {

struct ControlSpec;

/// The one window: 31 controls at fixed places over the background picture,
/// and one action per button.
class Form1 final : public QWidget {
 public:
  Form1(Dialogs& dialogs, RegionalNotation notation, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildControl(const ControlSpec& design);
  void BindActions();
  void Form1Load();

  // Text-box calculators.
  void CommandFreqClick();
  void CommandWelangClick();
  void CommandCalcClick();
  template <std::size_t N, typename Compute>
  void CalculateFromBoxes(const std::array<QLineEdit*, N>& inputs, const QString& warning,
                          Compute compute);

  // Dialog calculators.
  void CommandSpuleClick();
  void CommandDrehkoClick();
  void CommandLoopIndukClick();
  struct TwoValueCalculation;
  void AskTwoValuesAndShow(const TwoValueCalculation& calculation);

  QLineEdit* TextBox(std::string_view name) const;
  QLabel* Label(std::string_view name) const;
  [[nodiscard]] QString Format(double value, std::string_view pattern) const;

  Dialogs& dialogs_;
  RegionalNotation notation_;
  QPixmap background_;
};

}  // namespace welvaro::ui
