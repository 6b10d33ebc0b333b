#include "IcoFile.h"

#include <QtEndian>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace skarvel {
namespace {

constexpr std::uint32_t directorySize = 6;
constexpr std::uint32_t entrySize = 16;
constexpr std::uint32_t bitmapHeaderSize = 40;

void putU8(QByteArray& out, std::uint8_t value) {
    out.append(static_cast<char>(value));
}

void putU16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putU32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Rows of the one-bit mask are padded to whole 32-bit words.
std::uint32_t maskStride(std::uint32_t side) {
    return (side + 31U) / 32U * 4U;
}

// The bitmap of one image: header, colour rows and mask rows, both bottom row first.
QByteArray bitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const auto side = static_cast<std::uint32_t>(image.width());
    const std::uint32_t colourBytes = side * side * 4U;
    const std::uint32_t maskBytes = maskStride(side) * side;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(bitmapHeaderSize + colourBytes + maskBytes));
    putU32(out, bitmapHeaderSize);
    putU32(out, side);
    putU32(out, side * 2U); // colour rows and mask rows together
    putU16(out, 1);         // planes
    putU16(out, 32);        // bits per pixel
    putU32(out, 0);         // uncompressed
    putU32(out, colourBytes + maskBytes);
    putU32(out, 0); // horizontal resolution: unused
    putU32(out, 0); // vertical resolution: unused
    putU32(out, 0); // palette size: none
    putU32(out, 0); // important colours: all

    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = row[x];
            putU8(out, static_cast<std::uint8_t>(qBlue(pixel)));
            putU8(out, static_cast<std::uint8_t>(qGreen(pixel)));
            putU8(out, static_cast<std::uint8_t>(qRed(pixel)));
            putU8(out, static_cast<std::uint8_t>(qAlpha(pixel)));
        }
    }
    // Readers that ignore the alpha channel fall back on the mask: set bits are clear.
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray bits(static_cast<qsizetype>(maskStride(side)), '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0) {
                bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(bits);
    }
    return out;
}

} // namespace

QByteArray IcoFile::encode(const std::vector<QImage>& images) {
    if (images.empty() || images.size() > std::numeric_limits<std::uint16_t>::max()) {
        throw std::invalid_argument("an icon file holds 1 to 65535 images");
    }
    for (const QImage& image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > maximumSide) {
            throw std::invalid_argument("an icon image must be square, 1 to 256 pixels a side");
        }
    }

    std::vector<QByteArray> bitmaps;
    bitmaps.reserve(images.size());
    for (const QImage& image : images) {
        bitmaps.push_back(bitmap(image));
    }

    QByteArray out;
    putU16(out, 0); // reserved
    putU16(out, 1); // an icon, not a cursor
    putU16(out, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(directorySize + entrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(images[i].width());
        // A side of 256 is written as 0.
        putU8(out, static_cast<std::uint8_t>(side % 256U));
        putU8(out, static_cast<std::uint8_t>(side % 256U));
        putU8(out, 0);   // palette entries: none
        putU8(out, 0);   // reserved
        putU16(out, 1);  // planes
        putU16(out, 32); // bits per pixel
        const auto size = static_cast<std::uint32_t>(bitmaps[i].size());
        putU32(out, size);
        putU32(out, offset);
        offset += size;
    }
    for (const QByteArray& data : bitmaps) {
        out.append(data);
    }
    return out;
}

} // namespace skarvel
