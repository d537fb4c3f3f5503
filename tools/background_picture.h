#pragma once

#include <QImage>

/// The window's background at the given scale: 1000 x 520 pixels at scale 1.
/// A light sky, pale blue-grey to the left, crossed by a light-blue and a
/// medium-blue band that fall from half height at the left edge to three
/// quarters at the right, dark navy below.
QImage DrawBackground(int scale);
