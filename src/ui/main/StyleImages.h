#pragma once

namespace skarvel {

// Spares start-up the image-format plugins. The Fusion style draws every group-box frame
// with a PNG that it loads by file name, which makes Qt's reader load every image-format
// plugin (GIF, ICO, JPEG, and SVG with its library) before its own PNG decoder reads it.
// Decoded here with the format fixed, the image goes where the style looks first: Qt's
// pixmap cache, under the key that QPixmap::load gives a file (Qt 6). Should the style or
// the key differ, the style finds nothing there and loads the image as before.
void preloadStyleImages();

} // namespace skarvel
