#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

/// The program icon, an oscilloscope-like monitor: grey bezel with a black
/// outline around a black screen with a green grid and a white sine wave.
/// Drawn in true colour at any size.
QImage DrawIcon(int size);

/// The icon at 16 or 32 pixels, reduced to the standard 16-colour palette,
/// with fully transparent pixels outside the monitor.
QImage DrawPaletteIcon(int size);

/// A Windows .ico holding the images at 4 bits per pixel with the standard
/// palette and a transparency mask.
QByteArray EncodeIco(const std::vector<QImage>& paletteImages);

/// The same motif as an SVG document.
QByteArray IconSvg();
