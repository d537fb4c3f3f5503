#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QWidget;

namespace welvaro::ui {

/// Has a screen reader say a text that appears away from the focus, such as a
/// result written beside the button just pressed, once and without moving
/// the focus. Does nothing while no screen reader listens.
class Announcer {
 public:
  explicit Announcer(QWidget* window);

  void Announce(const QString& message);

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  /// Before Qt 6.8 there is no announcement event: the message is the name of
  /// a notification that appears, which Orca reads out as it is shown.
  class Notice final : public QObject {
   public:
    using QObject::QObject;
    QString message;
  };

 private:
  Notice notice_;
#else
 private:
  QWidget* window_;
#endif
};

}  // namespace welvaro::ui
