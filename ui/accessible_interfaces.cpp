#include "accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleObject>

#include "announcer.h"
#include "line_edit_accessible.h"

namespace welvaro::ui {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
/// A notification without place or children, named by its message.
class NoticeInterface final : public QAccessibleObject {
 public:
  explicit NoticeInterface(Announcer::Notice* notice) : QAccessibleObject(notice) {}

  [[nodiscard]] QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    static_cast<void>(index);
    return nullptr;
  }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    static_cast<void>(child);
    return -1;
  }
  [[nodiscard]] QString text(QAccessible::Text type) const override {
    return type == QAccessible::Name ? static_cast<Announcer::Notice*>(object())->message
                                     : QString();
  }
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
  [[nodiscard]] QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* AccessibleNotice(const QString& className, QObject* object) {
  static_cast<void>(className);
  auto* notice = dynamic_cast<Announcer::Notice*>(object);
  return notice != nullptr ? new NoticeInterface(notice) : nullptr;
}
#endif

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleLineEdit);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installFactory(AccessibleNotice);
#endif
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace welvaro::ui
