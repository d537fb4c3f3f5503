#pragma once

#include <array>
#include <cstddef>

#include "window_design.h"

namespace welvaro::ui {

/// The controls an action reaches, typed and indexed by id rather than found
/// by name; the builder fills each slot once.
template <typename Widget, typename Id>
class ControlSlots {
 public:
  Widget* operator[](Id id) const { return widgets_[Index(id)]; }
  void Fill(Id id, Widget* widget) { widgets_[Index(id)] = widget; }

 private:
  static constexpr std::size_t Index(Id id) { return static_cast<std::size_t>(id); }

  std::array<Widget*, kCountOf<Id>> widgets_{};
};

}  // namespace welvaro::ui
