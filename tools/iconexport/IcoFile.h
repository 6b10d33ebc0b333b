#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace skarvel {

// Writes Windows icon files: every image as an uncompressed 32-bit bitmap with its
// transparency mask, the form every resource compiler and Windows version reads.
class IcoFile {
public:
    static constexpr int maximumSide = 256;

    // The icon file holding images in the given order. Throws std::invalid_argument for
    // no image, more than 65535 images, or an image that is not square with a side of
    // 1 to 256 pixels.
    static QByteArray encode(const std::vector<QImage>& images);
};

} // namespace skarvel
