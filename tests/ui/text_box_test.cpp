#include "text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <limits>
#include <vector>

#include "long_text_edit.h"

namespace welvaro::testing {

// The text boxes take text of any length, and their undo history stays small
// however often large texts are pasted into them.
class TextBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Pastes_data();
  void Pastes();
  void TypingKeepsUndo();
  void LargeEditsByMenuDropTheHistory();
  void RepeatedLargePastesKeepMemoryBounded();
  void LongTextStillBlinks();
  void LongTextPaintsOncePerKey();
};

// GCC announces AddressSanitizer by a macro, clang by a feature.
#if defined(__SANITIZE_ADDRESS__)
#define WELVARO_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WELVARO_ADDRESS_SANITIZER
#endif
#endif

namespace {

/// Resident memory of this process in bytes.
qint64 ResidentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.value(1).toLongLong() * 4096;
}

void PasteByKeyboard(QLineEdit& box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}

// Shows the edit, small and focused, holding a text long enough for its
// blinks to be shown from pictures.
bool ShowFocusedWithLongText(QLineEdit& edit) {
  edit.resize(113, 25);
  edit.setText(QString(20'000, u'7'));
  edit.show();
  edit.activateWindow();
  edit.setFocus();
  return QTest::qWaitForWindowActive(&edit);
}

class PaintCountingEdit final : public QLineEdit {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    QLineEdit::paintEvent(event);
  }
};

}  // namespace

void TextBoxTest::Pastes_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<int>("selectionStart");  // -1: nothing selected, cursor at 1
  QTest::addColumn<int>("selectionLength");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("after");
  QTest::addColumn<bool>("undoable");

  const QString large(40'000, u'7');
  QTest::newRow("small at the cursor") << "71" << -1 << 0 << ","
                                       << "7,1" << true;
  QTest::newRow("small over a selection") << "7x1" << 1 << 1 << ","
                                          << "7,1" << true;
  QTest::newRow("large at the cursor") << "12" << -1 << 0 << large << "1" + large + "2" << false;
  QTest::newRow("large over a selection")
      << "1xx2" << 1 << 2 << large << "1" + large + "2" << false;
  const QString twoMegabytes = QStringLiteral("1234567 ").repeated(256 * 1024);
  QTest::newRow("2 MB whole") << "71" << -1 << 0 << twoMegabytes << "7" + twoMegabytes + "1"
                              << false;
  QTest::newRow("small over a large selection") << large << 0 << 40'000 << "3"
                                                << "3" << false;
}

void TextBoxTest::Pastes() {
  QFETCH(QString, before);
  QFETCH(int, selectionStart);
  QFETCH(int, selectionLength);
  QFETCH(QString, pasted);
  QFETCH(QString, after);
  QFETCH(bool, undoable);

  ui::TextBox box;
  box.setText(before);
  if (selectionStart < 0) {
    box.setCursorPosition(1);
  } else {
    box.setSelection(selectionStart, selectionLength);
  }
  PasteByKeyboard(box, pasted);
  QCOMPARE(box.text().size(), after.size());
  QCOMPARE(box.text(), after);
  QCOMPARE(box.cursorPosition(), (selectionStart < 0 ? 1 : selectionStart) + pasted.size());
  QCOMPARE(box.isUndoAvailable(), undoable);
}

void TextBoxTest::TypingKeepsUndo() {
  ui::TextBox box;
  QTest::keyClicks(&box, "7.1");
  QVERIFY(box.isUndoAvailable());
  QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(box.text(), QString());
}

// The context menu's paste and typing over a selection are QLineEdit's own
// edits, recorded character by character; the history goes once they add up.
void TextBoxTest::LargeEditsByMenuDropTheHistory() {
  ui::TextBox box;
  QGuiApplication::clipboard()->setText(QString(ui::TextBox::kUndoLimit / 2, u'1'));
  box.paste();
  QVERIFY(box.isUndoAvailable());
  box.paste();
  QVERIFY(!box.isUndoAvailable());
  QCOMPARE(box.text().size(), ui::TextBox::kUndoLimit);
  QCOMPARE(box.cursorPosition(), ui::TextBox::kUndoLimit);

  box.selectAll();
  QTest::keyClicks(&box, "7");
  QVERIFY(!box.isUndoAvailable());
  QTest::keyClicks(&box, ",1");
  QVERIFY(box.isUndoAvailable());
  QCOMPARE(box.text(), QString("7,1"));
}

// Without the bypass every paste of n characters over n selected ones keeps
// 2n records of some 20 bytes: 30 pastes of 256 KiB would keep 300 MB.
void TextBoxTest::RepeatedLargePastesKeepMemoryBounded() {
#if defined(WELVARO_ADDRESS_SANITIZER)
  QSKIP("AddressSanitizer keeps freed memory in quarantine, so resident memory says nothing here");
#endif
  ui::TextBox box;
  const QString text(256 * 1024, u'7');
  PasteByKeyboard(box, text);
  const qint64 afterOne = ResidentBytes();
  for (int paste = 1; paste < 30; ++paste) {
    box.selectAll();
    PasteByKeyboard(box, text);
  }
  const qint64 afterThirty = ResidentBytes();
  QCOMPARE(box.text().size(), text.size());
  qInfo("resident after 1 paste %lld kB, after 30 %lld kB", afterOne / 1024, afterThirty / 1024);
  QVERIFY2(afterThirty <= afterOne * 12 / 10, "memory grew by more than a fifth");
}

// A long text's blinks are shown from pictures of what the box painted: the
// cursor's place still shows exactly two things by turns, and nothing else.
void TextBoxTest::LongTextStillBlinks() {
  ui::TextBox box;
  QVERIFY(ShowFocusedWithLongText(box));
  box.setCursorPosition(10'000);
  // Past the first blinks, which the box still paints itself.
  QTest::qWait(1'500);
  std::vector<QImage> shown;
  for (int look = 0; look < 16; ++look) {
    QTest::qWait(150);
    const QImage now = box.screen()->grabWindow(box.winId()).toImage();
    if (std::ranges::find(shown, now) == shown.end()) shown.push_back(now);
  }
  QCOMPARE(shown.size(), std::size_t{2});
}

// With 2 MB each paint takes a quarter of a second, and a screen reader waits
// for it: a key is painted once, also as it is let go.
void TextBoxTest::LongTextPaintsOncePerKey() {
  PaintCountingEdit edit;
  edit.setMaxLength(std::numeric_limits<int>::max());
  ui::KeepLongTextLight(edit);
  QVERIFY(ShowFocusedWithLongText(edit));
  QTest::qWait(100);
  edit.paints = 0;
  // Let go once the key is painted, all within the cursor's first half blink.
  QTest::keyPress(&edit, Qt::Key_Home);
  QTest::qWait(150);
  QTest::keyRelease(&edit, Qt::Key_Home);
  QTest::qWait(150);
  QCOMPARE(edit.paints, 1);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::TextBoxTest)
#include "text_box_test.moc"
