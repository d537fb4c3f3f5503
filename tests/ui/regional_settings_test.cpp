#include "regional_settings.h"

#include <QtTest>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

#include "format_result.h"
#include "number_text.h"

namespace welvaro::testing {

// The notation of real regions as Qt describes them: every number Qt writes
// in a region reads back as the number written, and results are written with
// the region's decimal separator.
class RegionalSettingsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ReadsWhatQtWrites_data();
  void ReadsWhatQtWrites();
  void ReadsExponentsAndRefusesMisplacedGroups_data();
  void ReadsExponentsAndRefusesMisplacedGroups();
  void WritesTheDecimalSeparator_data();
  void WritesTheDecimalSeparator();
  void ReadsRegionalAndAsciiDigits_data();
  void ReadsRegionalAndAsciiDigits();
};

namespace {

const QStringList kRegions = {"de_DE", "de_AT", "de_CH", "fr_FR", "sv_SE", "es_ES",
                              "pt_BR", "en_US", "en_GB", "en_IN", "nl_NL", "it_IT",
                              "pl_PL", "ru_RU", "ja_JP", "C",     "ar_EG", "fa_IR"};

void AddRegionRows() {
  QTest::addColumn<QString>("region");
  for (const QString& region : kRegions) QTest::newRow(qPrintable(region)) << region;
}

std::optional<double> Read(const QString& text, const RegionalNotation& notation) {
  const std::string utf8 = text.toStdString();
  if (!IsNumeric(utf8, notation)) return std::nullopt;
  return TextToDouble(utf8, notation);
}

/// The value of a number Qt wrote, from the same digits written in C; none
/// where the digits lie beyond the Double range ("-2e+308").
std::optional<double> ValueOf(const QString& cText) {
  const std::string ascii = cText.toStdString();
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

void RegionalSettingsTest::ReadsWhatQtWrites_data() { AddRegionRows(); }

void RegionalSettingsTest::ReadsWhatQtWrites() {
  QFETCH(QString, region);
  const QLocale c = QLocale::c();
  for (const bool grouped : {true, false}) {
    QLocale locale(region);
    locale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    const RegionalNotation notation = ui::NotationOf(locale);
    for (const qlonglong integer :
         {0LL, 7LL, -42LL, 1234LL, 12345LL, -1234567LL, 1234567890123LL, -9007199254740993LL}) {
      const QString text = locale.toString(integer);
      QCOMPARE(Read(text, notation), std::optional(static_cast<double>(integer)));
    }
    for (const double value : {7.1, -42.2535211268, 0.000123, 1234.5, -1234567.891, 98765432.125,
                               5032.92121044871, 1e-300, -1.7976931348623157e308}) {
      for (const char format : {'f', 'e', 'g'}) {
        for (const int precision : {0, 3, 17}) {
          const QString text = locale.toString(value, format, precision);
          QVERIFY2(Read(text, notation) == ValueOf(c.toString(value, format, precision)),
                   qPrintable(text));
        }
      }
    }
  }
}

void RegionalSettingsTest::ReadsExponentsAndRefusesMisplacedGroups_data() { AddRegionRows(); }

void RegionalSettingsTest::ReadsExponentsAndRefusesMisplacedGroups() {
  QFETCH(QString, region);
  const QLocale locale(region);
  const RegionalNotation notation = ui::NotationOf(locale);
  const QString decimal = locale.decimalPoint();
  QCOMPARE(Read("1" + decimal + "5e-3", notation), std::optional(0.0015));
  QCOMPARE(Read("-1" + decimal + "5E+3", notation), std::optional(-1500.0));
  QCOMPARE(Read("2E3", notation), std::optional(2000.0));

  const QString group = locale.groupSeparator();
  if (notation.groupSeparator.empty()) {
    QCOMPARE(Read("1" + group + "234", notation), std::nullopt);
    return;
  }
  for (const QString& misplaced :
       {"12" + group + "34", "1" + group + "2345", "1" + decimal + "234" + group + "567",
        "12345" + group + "678"}) {
    QVERIFY2(!Read(misplaced, notation), qPrintable(misplaced));
  }
}

void RegionalSettingsTest::WritesTheDecimalSeparator_data() { AddRegionRows(); }

void RegionalSettingsTest::WritesTheDecimalSeparator() {
  QFETCH(QString, region);
  const QLocale locale(region);
  const RegionalNotation notation = ui::NotationOf(locale);
  QCOMPARE(QString::fromStdString(FormatResult(1234567.891, "0.00 m", notation)),
           "1234567" + locale.decimalPoint() + "89 m");
  QCOMPARE(QString::fromStdString(FormatResult(-3, "0.000", notation)),
           "-3" + locale.decimalPoint() + "000");
}

void RegionalSettingsTest::ReadsRegionalAndAsciiDigits_data() {
  QTest::addColumn<QString>("region");
  QTest::addColumn<QString>("text");
  QTest::addColumn<std::optional<double>>("value");
  // Egypt: Arabic-Indic digits, U+066B decimal, U+066C groups, ALM before the sign.
  QTest::newRow("ar_EG own digits") << "ar_EG"
                                    << "\u0667\u066B\u0661" << std::optional(7.1);
  QTest::newRow("ar_EG ascii digits") << "ar_EG"
                                      << "7\u066B1" << std::optional(7.1);
  QTest::newRow("ar_EG typed separators") << "ar_EG"
                                          << "-1,234.5" << std::optional(-1234.5);
  QTest::newRow("ar_EG own minus") << "ar_EG"
                                   << "\u061C-\u0665" << std::optional(-5.0);
  QTest::newRow("ar_EG grouped") << "ar_EG"
                                 << "\u0661\u066C\u0662\u0663\u0664" << std::optional(1234.0);
  QTest::newRow("ar_EG misplaced group") << "ar_EG"
                                         << "\u0667\u066C\u0661" << std::optional<double>();
  QTest::newRow("ar_EG typed misplaced group") << "ar_EG"
                                               << "7,1" << std::optional<double>();
  QTest::newRow("ar_EG persian digit") << "ar_EG"
                                       << "\u06F7" << std::optional<double>();
  QTest::newRow("ar_EG pasted") << "ar_EG"
                                << "\u0667\u066B\u0661\r\n"
                                << std::optional(7.1);
  // Iran: Persian digits, LRM before the true minus sign.
  QTest::newRow("fa_IR own digits") << "fa_IR"
                                    << "\u06F7\u066B\u06F1" << std::optional(7.1);
  QTest::newRow("fa_IR ascii digits") << "fa_IR"
                                      << "7.1" << std::optional(7.1);
  QTest::newRow("fa_IR own minus") << "fa_IR"
                                   << "\u200E\u2212\u06F5" << std::optional(-5.0);
  QTest::newRow("fa_IR minus without mark") << "fa_IR"
                                            << "\u2212\u06F5" << std::optional(-5.0);
  QTest::newRow("fa_IR arabic digit") << "fa_IR"
                                      << "\u0667" << std::optional<double>();
  QTest::newRow("fa_IR exponent") << "fa_IR"
                                  << "\u06F1\u00D7\u06F1\u06F0^\u200E\u2212\u06F3"
                                  << std::optional(0.001);
  // Switzerland: U+2019 and the typed apostrophe, whichever of them Qt writes.
  QTest::newRow("de_CH typed apostrophe") << "de_CH"
                                          << "1'234.5" << std::optional(1234.5);
  QTest::newRow("de_CH own apostrophe") << "de_CH"
                                        << "1\u2019234.5" << std::optional(1234.5);
  QTest::newRow("de_CH typed apostrophes") << "de_CH"
                                           << "-1'234'567.5" << std::optional(-1234567.5);
  QTest::newRow("de_CH own apostrophes") << "de_CH"
                                         << "1\u2019234\u2019567" << std::optional(1234567.0);
  QTest::newRow("de_CH misplaced apostrophe") << "de_CH"
                                              << "1'23.5" << std::optional<double>();
  // India: groups of two above the thousands.
  QTest::newRow("en_IN lakh") << "en_IN"
                              << "12,34,567" << std::optional(1234567.0);
  QTest::newRow("en_IN western groups") << "en_IN"
                                        << "1,234,567" << std::optional<double>();
}

void RegionalSettingsTest::ReadsRegionalAndAsciiDigits() {
  QFETCH(QString, region);
  QFETCH(QString, text);
  QFETCH(std::optional<double>, value);
  QCOMPARE(Read(text, ui::NotationOf(QLocale(region))), value);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::RegionalSettingsTest)
#include "regional_settings_test.moc"
