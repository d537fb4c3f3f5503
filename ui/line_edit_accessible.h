#pragma once

class QObject;
class QString;
class QAccessibleInterface;

namespace welvaro::ui {

/// What a screen reader reads of every line edit of the program, the window's
/// text boxes and the prompt's entry field. Qt 6.4's own interface loops for
/// ever when asked for the word or sentence at the end of the text (the
/// caret's place after End or Ctrl+Right) and answers the line there with
/// nothing. Later versions are not known to be free of this, so it serves
/// every version. For QAccessible::installFactory.
QAccessibleInterface* AccessibleLineEdit(const QString& className, QObject* object);

}  // namespace welvaro::ui
