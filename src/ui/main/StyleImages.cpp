#include "StyleImages.h"

#include "EmbeddedPng.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <cstddef>

namespace skarvel {
namespace {

// QPixmap::load's cache key spells a number as the bytes of its value in memory order,
// each as its low hex digit, then its high one.
template <class Number>
QString keyDigits(Number value) {
    static constexpr char digits[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    QString spelled;
    for (std::size_t i = 0; i < sizeof value; ++i) {
        spelled += QLatin1Char(digits[bytes[i] & 0xfU]);
        spelled += QLatin1Char(digits[bytes[i] >> 4U]);
    }
    return spelled;
}

} // namespace

void preloadStyleImages() {
    if (QApplication::style()->name() != QLatin1String("fusion")) {
        return;
    }
    const QFileInfo frame(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    const QImage image = readEmbeddedPng(frame.filePath());
    if (image.isNull()) {
        return;
    }
    constexpr unsigned int rasterPixmapType = 0; // QPlatformPixmap::PixmapType
    const QString key =
        QLatin1String("qt_pixmap") + frame.absoluteFilePath() +
        keyDigits(static_cast<unsigned int>(frame.lastModified().toSecsSinceEpoch())) +
        keyDigits(static_cast<quint64>(frame.size())) + keyDigits(rasterPixmapType);
    QPixmapCache::insert(key, QPixmap::fromImage(image));
}

} // namespace skarvel
