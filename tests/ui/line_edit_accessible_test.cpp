#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

#include "accessible_interfaces.h"

namespace welvaro::testing {
enum class Ask { Before, At, After };
}  // namespace welvaro::testing

Q_DECLARE_METATYPE(welvaro::testing::Ask)
Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

namespace welvaro::testing {

// What a screen reader is told of a line edit's text, word by word and at
// either end; Qt 6.4's own answer loops for ever at the end of the text.
class LineEditAccessibleTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { ui::InstallAccessibleInterfaces(); }
  void Pieces_data();
  void Pieces();
  void EveryOffsetAnswersInRange();
  void CharacterPlaces_data();
  void CharacterPlaces();
  void EditsAsTheUserWould();
};

namespace {

QAccessibleTextInterface* TextOf(QLineEdit& edit) {
  return QAccessible::queryAccessibleInterface(&edit)->textInterface();
}

QString AskFor(QAccessibleTextInterface* text, Ask ask, int offset,
               QAccessible::TextBoundaryType boundary, int* start, int* end) {
  switch (ask) {
    case Ask::Before:
      return text->textBeforeOffset(offset, boundary, start, end);
    case Ask::At:
      return text->textAtOffset(offset, boundary, start, end);
    case Ask::After:
      break;
  }
  return text->textAfterOffset(offset, boundary, start, end);
}

}  // namespace

void LineEditAccessibleTest::Pieces_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<Ask>("ask");
  QTest::addColumn<int>("offset");
  QTest::addColumn<QAccessible::TextBoundaryType>("boundary");
  QTest::addColumn<QString>("piece");
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("end");

  const QString result = QStringLiteral("42,25 m");
  const auto word = QAccessible::WordBoundary;
  const auto character = QAccessible::CharBoundary;
  QTest::newRow("word at the end is the last") << result << Ask::At << 7 << word << "m" << 6 << 7;
  QTest::newRow("word at the start") << result << Ask::At << 0 << word << "42,25" << 0 << 5;
  QTest::newRow("word inside a number") << result << Ask::At << 3 << word << "42,25" << 0 << 5;
  QTest::newRow("the blank between") << result << Ask::At << 5 << word << " " << 5 << 6;
  QTest::newRow("word before the last") << result << Ask::Before << 6 << word << " " << 5 << 6;
  QTest::newRow("nothing before the first") << result << Ask::Before << 2 << word << "" << 0 << 0;
  QTest::newRow("word after the first") << result << Ask::After << 0 << word << " " << 5 << 6;
  QTest::newRow("nothing after the end") << result << Ask::After << 7 << word << "" << 7 << 7;
  QTest::newRow("no character at the end") << result << Ask::At << 7 << character << "" << 7 << 7;
  QTest::newRow("character before the end")
      << result << Ask::Before << 7 << character << "m" << 6 << 7;
  QTest::newRow("-1 stands for the end") << result << Ask::At << -1 << word << "m" << 6 << 7;
  QTest::newRow("-2 for the cursor, at the end")
      << result << Ask::At << -2 << word << "m" << 6 << 7;
  QTest::newRow("the line is the whole text")
      << result << Ask::At << 7 << QAccessible::LineBoundary << result << 0 << 7;
  QTest::newRow("beyond the end") << result << Ask::At << 8 << word << "" << -1 << -1;
  QTest::newRow("an empty box") << "" << Ask::At << 0 << word << "" << 0 << 0;
  const QString pasted = QStringLiteral("1234567 ").repeated(256 * 1024);
  QTest::newRow("a word deep in 2 MB")
      << pasted << Ask::At << 1'000'003 << word << "1234567" << 1'000'000 << 1'000'007;
  QTest::newRow("the word before the end of 2 MB")
      << pasted << Ask::Before << -1 << word << "1234567" << pasted.size() - 8
      << static_cast<int>(pasted.size()) - 1;
  // A long text is read in lines of about 4,000 characters, each from the start of a word.
  const QString words = QStringLiteral("123456 ").repeated(1'000);
  const auto line = QAccessible::LineBoundary;
  QTest::newRow("the first line of a long text")
      << words << Ask::At << 3'996 << line << words.left(3'997) << 0 << 3'997;
  QTest::newRow("the next line starts with a word")
      << words << Ask::At << 3'998 << line << words.mid(3'997) << 3'997 << 7'000;
  QTest::newRow("the line after the first")
      << words << Ask::After << 0 << line << words.mid(3'997) << 3'997 << 7'000;
  QTest::newRow("the line before the last")
      << words << Ask::Before << -1 << line << words.left(3'997) << 0 << 3'997;
  QTest::newRow("a line deep in 2 MB") << pasted << Ask::At << 1'000'003 << line
                                       << pasted.mid(1'000'000, 4'000) << 1'000'000 << 1'004'000;
  QTest::newRow("the last sentence") << "Erst das. Dann dies." << Ask::At << 20
                                     << QAccessible::SentenceBoundary << "Dann dies." << 10 << 20;
}

void LineEditAccessibleTest::Pieces() {
  QFETCH(QString, text);
  QFETCH(Ask, ask);
  QFETCH(int, offset);
  QFETCH(QAccessible::TextBoundaryType, boundary);
  QLineEdit edit(text);
  int start = -9;
  int end = -9;
  QTEST(AskFor(TextOf(edit), ask, offset, boundary, &start, &end), "piece");
  QTEST(start, "start");
  QTEST(end, "end");
}

// Whatever a screen reader asks, the answer comes, and names a piece of the text.
void LineEditAccessibleTest::EveryOffsetAnswersInRange() {
  for (const QString& text :
       {QStringLiteral("7,1"), QStringLiteral("-42,25 m  x"), QStringLiteral("Ä. ö! 1e5")}) {
    QLineEdit edit(text);
    QAccessibleTextInterface* accessible = TextOf(edit);
    const auto length = static_cast<int>(text.size());
    for (const auto boundary :
         {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
          QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary}) {
      for (int offset = 0; offset <= length; ++offset) {
        for (const Ask ask : {Ask::Before, Ask::At, Ask::After}) {
          int start = -9;
          int end = -9;
          const QString piece = AskFor(accessible, ask, offset, boundary, &start, &end);
          QVERIFY2(0 <= start && start <= end && end <= length,
                   qPrintable(QStringLiteral("%1 at %2").arg(text).arg(offset)));
          QCOMPARE(piece, text.mid(start, end - start));
        }
      }
    }
  }
}

void LineEditAccessibleTest::CharacterPlaces_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("cursor");
  QTest::addColumn<int>("offset");
  QTest::addColumn<bool>("inView");

  const QString pasted = QStringLiteral("1234567 ").repeated(256 * 1024);
  const auto last = static_cast<int>(pasted.size()) - 1;
  QTest::newRow("a short text") << "7,1" << 0 << 1 << true;
  QTest::newRow("2 MB, after the cursor at the start") << pasted << 0 << 3 << true;
  QTest::newRow("2 MB, before the cursor at the end") << pasted << last + 1 << last - 2 << true;
  QTest::newRow("2 MB, far from the cursor") << pasted << 0 << last / 2 << false;
  QTest::newRow("2 MB, the start with the cursor at the end") << pasted << last + 1 << 0 << false;
}

// A character the box shows lies in it, the next one further right; one out
// of sight has no place.
void LineEditAccessibleTest::CharacterPlaces() {
  QFETCH(QString, text);
  QFETCH(int, cursor);
  QFETCH(int, offset);
  QFETCH(bool, inView);
  QLineEdit edit(text);
  edit.resize(113, 25);
  edit.setCursorPosition(cursor);
  edit.show();
  QVERIFY(QTest::qWaitForWindowExposed(&edit));
  const QRect place = TextOf(edit)->characterRect(offset);
  QCOMPARE(!place.isEmpty(), inView);
  if (!inView) return;
  const QRect inEdit(edit.mapFromGlobal(place.topLeft()), place.size());
  QVERIFY2(edit.rect().intersects(inEdit), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                          .arg(inEdit.x())
                                                          .arg(inEdit.y())
                                                          .arg(inEdit.width())
                                                          .arg(inEdit.height())));
  QVERIFY(TextOf(edit)->characterRect(offset + 1).left() > place.left());
}

void LineEditAccessibleTest::EditsAsTheUserWould() {
  QLineEdit edit(QStringLiteral("7,1 MHz"));
  auto* editable = QAccessible::queryAccessibleInterface(&edit)->editableTextInterface();
  editable->replaceText(0, 3, QStringLiteral("14,2"));
  QCOMPARE(edit.text(), QStringLiteral("14,2 MHz"));
  editable->deleteText(4, 8);
  QCOMPARE(edit.text(), QStringLiteral("14,2"));
  edit.undo();
  QCOMPARE(edit.text(), QStringLiteral("14,2 MHz"));
  edit.setReadOnly(true);
  editable->insertText(0, QStringLiteral("x"));
  QCOMPARE(edit.text(), QStringLiteral("14,2 MHz"));
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::LineEditAccessibleTest)
#include "line_edit_accessible_test.moc"
