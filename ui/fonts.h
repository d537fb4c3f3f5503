#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <span>

#include "window_design.h"

namespace welvaro::ui {

/// The designed face first, then faces of the same metrics, so that every
/// caption breaks and clips as designed: Liberation (fonts-liberation),
/// Arimo and Cousine (fonts-croscore), Nimbus (fonts-urw-base35).
inline constexpr std::array<QStringView, 4> kSansFaces = {u"Arial", u"Liberation Sans", u"Arimo",
                                                          u"Nimbus Sans"};
inline constexpr std::array<QStringView, 4> kMonospacedFaces = {u"Courier New", u"Liberation Mono",
                                                                u"Cousine", u"Nimbus Mono PS"};

/// The first of the faces among the installed families, compared by name
/// alone, so that no alias is looked up; where none is installed, the first
/// face, which the font matcher then replaces by a generic one.
[[nodiscard]] QString FirstInstalledFace(std::span<const QStringView> faces,
                                         const QStringList& installedFamilies);

/// The face, size and weight a control's text is drawn in.
[[nodiscard]] QFont FontFor(ControlFont font);

}  // namespace welvaro::ui
