#include "regional_settings.h"

namespace welvaro::ui {

RegionalNotation NotationOf(const QLocale& locale) {
  const bool groups = !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
  return {
      .decimalSeparator = locale.decimalPoint().toStdString(),
      .groupSeparator = groups ? locale.groupSeparator().toStdString() : std::string(),
      .minusSign = locale.negativeSign().toStdString(),
      .plusSign = locale.positiveSign().toStdString(),
  };
}

}  // namespace welvaro::ui
