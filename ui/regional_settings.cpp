#include "regional_settings.h"

#include <QStringList>

namespace welvaro::ui {
namespace {

struct GroupSizes {
  int last = 3;
  int higher = 3;
  int leadingMinimum = 1;
};

/// Qt keeps a region's group sizes to itself; they show in the numbers it writes.
GroupSizes GroupSizesOf(QLocale locale) {
  locale.setNumberOptions(QLocale::DefaultNumberOptions);
  const QString separator = locale.groupSeparator();
  GroupSizes sizes;
  if (separator.isEmpty()) return sizes;
  const QStringList groups = locale.toString(1234567890123456789LL).split(separator);
  if (groups.size() < 3) return sizes;
  sizes.last = static_cast<int>(groups.at(groups.size() - 1).size());
  sizes.higher = static_cast<int>(groups.at(groups.size() - 2).size());
  // The shortest number Qt groups tells how short the leading group may be.
  qlonglong power = 1;
  for (int digits = 1; digits <= sizes.last + sizes.higher; ++digits, power *= 10) {
    if (locale.toString(power).contains(separator)) {
      sizes.leadingMinimum = digits - sizes.last;
      break;
    }
  }
  return sizes;
}

/// Qt 6.8 and older write Switzerland's digit groups with U+2019, Qt 6.11 with
/// the ASCII apostrophe. The notation names U+2019 either way, so that both are
/// read whichever Qt runs: the ASCII one is its typed form.
QString GroupSeparatorOf(const QLocale& locale) {
  const QString separator = locale.groupSeparator();
  return separator == QStringLiteral("'") ? QStringLiteral("\u2019") : separator;
}

}  // namespace

RegionalNotation NotationOf(const QLocale& locale) {
  const bool groups = !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
  const GroupSizes sizes = GroupSizesOf(locale);
  return {
      .decimalSeparator = locale.decimalPoint().toStdString(),
      .groupSeparator = groups ? GroupSeparatorOf(locale).toStdString() : std::string(),
      .minusSign = locale.negativeSign().toStdString(),
      .plusSign = locale.positiveSign().toStdString(),
      .zeroDigit = locale.zeroDigit().toStdString(),
      .exponentMark = locale.exponential().toStdString(),
      .lastGroupSize = sizes.last,
      .higherGroupSize = sizes.higher,
      .leadingGroupMinimum = sizes.leadingMinimum,
  };
}

}  // namespace welvaro::ui
