#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSize>

#include <iterator>

namespace {

// The icon file carries each size in 256 colours for displays and programs
// that want a palette, and in 32-bit colour; the largest only in the latter.
TEST(ApplicationIconTest, TheIconFileHoldsEverySizeInBothDepths) {
    struct Entry {
        int size;
        int depth;
    };
    const Entry expected[] = {{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}, {256, 32}};
    QImageReader reader(":/icons/nerq.ico");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(std::size(expected)));
    for (const Entry& entry : expected) {
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << entry.size << " " << entry.depth << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(entry.size, entry.size)) << entry.depth;
        EXPECT_EQ(image.text("_q_icoOrigDepth").toInt(), entry.depth) << entry.size;
        // Transparency comes from the mask in 256 colours, from alpha in 32-bit:
        // either way the rounded corners must (all but) let the background through.
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 8) << entry.size << " " << entry.depth;
        EXPECT_EQ(qAlpha(image.pixel(entry.size / 2, entry.size / 2)), 255)
            << entry.size << " " << entry.depth;
        reader.jumpToNextImage();
    }
}

TEST(ApplicationIconTest, TheWindowIconOffersEverySize) {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

}  // namespace
