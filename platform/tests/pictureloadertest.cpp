// Picture loading at both device pixel ratios: the plain picture at 1, the
// one drawn at twice the size at 2 when it is there, and never a failure
// that the plain picture would not have had.

#include "platform/pictures.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writePicture(const QString& path, QSize size, QColor colour, const char* format = "JPEG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

QColor centre(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

TEST(DoubleSizePath, PutsTheSuffixBeforeTheLastDotOfTheFileName)
{
    const struct {
        const char* path;
        const char* doubled;
    } cases[] = {
        {"/usr/lib/tavelin-piano/picture/152.jpg", "/usr/lib/tavelin-piano/picture/152@2x.jpg"},
        {"/usr/lib/tavelin-piano/tvl.tv", "/usr/lib/tavelin-piano/tvl@2x.tv"},
        {"/opt/v1.2/picture/icon", "/opt/v1.2/picture/icon@2x"},  // a dot in a folder is not the file's
        {"a.b.png", "a.b@2x.png"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::doubleSizePath(QString::fromLatin1(c.path)), QString::fromLatin1(c.doubled)) << c.path;
    }
}

TEST(PictureLoader, TakesThePictureDrawnAtTwiceTheSizeAtRatioTwo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("152.jpg"));
    writePicture(plain, QSize(25, 25), Qt::red);
    writePicture(dir.filePath(QStringLiteral("152@2x.jpg")), QSize(50, 50), Qt::blue);
    // tvl.tv's content decides its format, at both sizes.
    writePicture(dir.filePath(QStringLiteral("tvl.tv")), QSize(30, 23), Qt::red);
    writePicture(dir.filePath(QStringLiteral("tvl@2x.tv")), QSize(60, 46), Qt::blue);
    // Only the plain one, or a broken twin: the plain one.
    writePicture(dir.filePath(QStringLiteral("end.jpg")), QSize(25, 25), Qt::red);
    writePicture(dir.filePath(QStringLiteral("up.jpg")), QSize(44, 100), Qt::red);
    QFile broken(dir.filePath(QStringLiteral("up@2x.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    const struct {
        const char* file;
        qreal ratio;
        QSize pixels;
        qreal pixmapRatio;
        QColor colour;
    } cases[] = {
        {"152.jpg", 1.0, {25, 25}, 1.0, Qt::red},  {"152.jpg", 1.25, {25, 25}, 1.0, Qt::red},
        {"152.jpg", 1.5, {50, 50}, 2.0, Qt::blue}, {"152.jpg", 2.0, {50, 50}, 2.0, Qt::blue},
        {"152.jpg", 3.0, {50, 50}, 2.0, Qt::blue}, {"tvl.tv", 1.0, {30, 23}, 1.0, Qt::red},
        {"tvl.tv", 2.0, {60, 46}, 2.0, Qt::blue},  {"end.jpg", 2.0, {25, 25}, 1.0, Qt::red},
        {"up.jpg", 2.0, {44, 100}, 1.0, Qt::red},
    };
    QStringList lines;
    platform::PictureLoader loader([&lines](const QString& line) { lines << line; });
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " at ratio " + std::to_string(c.ratio));
        loader.setDevicePixelRatio(c.ratio);
        const QPixmap pixmap = loader.load(dir.filePath(QString::fromLatin1(c.file)));
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), c.pixels);
        EXPECT_EQ(pixmap.devicePixelRatio(), c.pixmapRatio);
        // Either way the picture takes the room of the plain one on the window.
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), c.pixels / c.pixmapRatio);
        const QColor got = centre(pixmap);
        EXPECT_NEAR(got.red(), c.colour.red(), 12);
        EXPECT_NEAR(got.blue(), c.colour.blue(), 12);
    }
    EXPECT_TRUE(lines.isEmpty()) << lines.join(QLatin1Char('\n')).toStdString();
}

TEST(PictureLoader, AMissingPictureIsReportedOnceAtEitherRatio)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines;
    platform::PictureLoader loader([&lines](const QString& line) { lines << line; });
    const QString missing = dir.filePath(QStringLiteral("absent.jpg"));
    for (const qreal ratio : {1.0, 2.0}) {
        loader.setDevicePixelRatio(ratio);
        EXPECT_TRUE(loader.load(missing).isNull());
    }
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("tavelin-piano: cannot load picture ") + missing));
}

TEST(PictureLoader, AFifoOrADeviceInAPicturesPlaceIsRefusedAtOnce)
{
    // The pictures are read at every tick, on the window's thread: a FIFO
    // nobody writes to would hold the window for good. A writer comes to the
    // FIFO after 5 s, so that a loader that waits still ends and fails the
    // time bound.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("160.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    writePicture(dir.filePath(QStringLiteral("162.jpg")), QSize(8, 8), Qt::red);
    std::thread rescue([path = QFile::encodeName(fifo)] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    });
    QStringList lines;
    platform::PictureLoader loader([&lines](const QString& line) { lines << line; });
    loader.setDevicePixelRatio(1.0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        const auto began = std::chrono::steady_clock::now();
        EXPECT_TRUE(loader.load(path).isNull());
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(4));
    }
    EXPECT_FALSE(loader.load(dir.filePath(QStringLiteral("162.jpg"))).isNull()) << "a picture beside them loads";
    rescue.join();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("not a regular file"))) << lines[0].toStdString();
}
