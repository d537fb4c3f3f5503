#include "accessible_interfaces.h"

#include <QAccessible>

#include "line_edit_accessible.h"

namespace welvaro::ui {

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleLineEdit);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace welvaro::ui
