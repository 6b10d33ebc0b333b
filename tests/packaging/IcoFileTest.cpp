#include "IcoFile.h"

#include "WindowIcon.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel {
namespace {

// Every image of an icon file, decoded by Qt's own icon reader.
std::vector<QImage> decode(QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

TEST(IcoFileTest, WindowIconSizesDecodeToTheRenderedPixelsInOrder) {
    const std::vector<QImage> rendered{WindowIcon::render(32), WindowIcon::render(16)};
    const std::vector<QImage> decoded = decode(IcoFile::encode(rendered));
    ASSERT_EQ(decoded.size(), 2U);
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        const QImage expected = rendered[i].convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(decoded[i].size(), expected.size());
        EXPECT_EQ(decoded[i], expected) << "image " << i;
    }
}

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
} // namespace skarvel
