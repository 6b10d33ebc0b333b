#include "EmbeddedPng.h"

#include <QImageReader>

namespace skarvel {

QImage readEmbeddedPng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace skarvel
