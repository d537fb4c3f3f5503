#pragma once

#include <QByteArray>
#include <QImage>

/// The program icon, an oscilloscope-like monitor: grey bezel with a black
/// outline around a black screen with a green grid and a white sine wave.
/// Drawn in true colour at any size.
QImage DrawIcon(int size);

/// The icon at 16 or 32 pixels, reduced to the standard 16-colour palette,
/// with fully transparent pixels outside the monitor.
QImage DrawPaletteIcon(int size);

/// The same motif as an SVG document.
QByteArray IconSvg();
