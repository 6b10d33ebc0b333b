#pragma once

#include <QImage>
#include <QString>

namespace skarvel {

// Reads a PNG image embedded as a resource, with Qt's own decoder. Given only a file
// name, Qt's reader first loads every image-format plugin (GIF, ICO, JPEG, and SVG with
// its library) to ask whether one of them reads the file; with the format fixed and
// detection off it loads none. A null image if the resource is missing or not a PNG.
QImage readEmbeddedPng(const QString& resource);

} // namespace skarvel
