#include "announcer.h"

#include <QAccessible>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace welvaro::ui {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : notice_(window) {}

void Announcer::Announce(const QString& message) {
  if (!QAccessible::isActive()) return;
  notice_.message = message;
  QAccessibleEvent shown(&notice_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

#else

Announcer::Announcer(QWidget* window) : window_(window) {}

void Announcer::Announce(const QString& message) {
  if (!QAccessible::isActive()) return;
  QAccessibleAnnouncementEvent announcement(window_, message);
  QAccessible::updateAccessibility(&announcement);
}

#endif

}  // namespace welvaro::ui
