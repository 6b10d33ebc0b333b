#include "IcoFile.h"

#include "RenderedIcons.h"
#include "SvgIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

// Every image of an image file, decoded by Qt's own readers (its icon reader for icons).
std::vector<QImage> decode(QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// Qt's raster engine picks code paths by processor, which may round a blended edge
// differently, so a fresh render may be a step or two from the committed one per channel.
bool nearlyEqual(const QImage& decoded, const QImage& rendered) {
    const QImage y = rendered.convertToFormat(QImage::Format_ARGB32);
    return decoded.size() == y.size() &&
           std::equal(decoded.constBits(), decoded.constBits() + decoded.sizeInBytes(),
                      y.constBits(), [](uchar p, uchar q) { return std::abs(p - q) <= 2; });
}

class RenderedFileTest : public ::testing::TestWithParam<RenderedIcon> {};

TEST_P(RenderedFileTest, MatchesAFreshRenderOfItsSource) {
    const QDir root(QStringLiteral(SKARVEL_SOURCE_DIR));
    const QString svg = root.filePath(QString::fromUtf8(GetParam().svg));
    QFile file(root.filePath(QString::fromUtf8(GetParam().file)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const std::vector<QImage> stored = decode(file.readAll());
    ASSERT_EQ(stored.size(), GetParam().sides.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_TRUE(nearlyEqual(stored[i], SvgIcon::render(svg, GetParam().sides[i])))
            << file.fileName().toStdString() << ", image " << i << ": build render_icons";
    }
}

INSTANTIATE_TEST_SUITE_P(Icons, RenderedFileTest, ::testing::ValuesIn(renderedIcons));

TEST(IcoFileTest, TransparencyAndColourSurviveOnAnOddSide) {
    // An odd side pads every mask row; distinct corners catch a row or channel swap.
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(4, 0, qRgba(0, 255, 0, 255));
    image.setPixel(0, 4, qRgba(0, 0, 255, 255));
    image.setPixel(4, 4, qRgba(10, 20, 30, 128));
    const std::vector<QImage> decoded = decode(IcoFile::encode({image}));
    ASSERT_EQ(decoded.size(), 1U);
    EXPECT_EQ(decoded[0], image);
}

TEST(IcoFileTest, LargestSideIsWrittenAsZeroAndReadBack) {
    QImage image(IcoFile::maximumSide, IcoFile::maximumSide, QImage::Format_ARGB32);
    image.fill(qRgba(1, 2, 3, 255));
    const QByteArray data = IcoFile::encode({image});
    EXPECT_EQ(data.at(6), '\0'); // width byte of the first directory entry
    const std::vector<QImage> decoded = decode(data);
    ASSERT_EQ(decoded.size(), 1U);
    EXPECT_EQ(decoded[0].size(), image.size());
}

class IcoFileRejectTest : public ::testing::TestWithParam<QSize> {};

TEST_P(IcoFileRejectTest, ImagesNoIconCanHold) {
    const QImage image(GetParam(), QImage::Format_ARGB32);
    EXPECT_THROW(IcoFile::encode({image}), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IcoFileRejectTest,
                         ::testing::Values(QSize(0, 0), QSize(16, 32), QSize(257, 257)),
                         [](const ::testing::TestParamInfo<QSize>& sizeInfo) {
                             return "side" + std::to_string(sizeInfo.param.width()) + "x" +
                                    std::to_string(sizeInfo.param.height());
                         });

TEST(IcoFileTest, NoImageIsRejected) {
    EXPECT_THROW(IcoFile::encode({}), std::invalid_argument);
}

} // namespace
} // namespace skarvel::test
