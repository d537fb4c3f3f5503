#pragma once

class QWidget;

namespace welvaro::ui {

/// Names every text box after the label beside it and every button after
/// what it does, so that a screen reader can tell them apart.
void DescribeForScreenReaders(QWidget& form);

}  // namespace welvaro::ui
