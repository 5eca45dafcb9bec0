#include "ui/pictures/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage small_picture()
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(2, 1, qRgb(255, 0, 0));
    return image;
}

} // namespace

TEST(Safe_file, WritesNewFilesAndReplacesOldOnesWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("values.csv");
    ASSERT_TRUE(save_text(path, "first\n"));
    ASSERT_TRUE(save_text(path, "second\n"));
    EXPECT_EQ(contents(path), "second\n");
    ASSERT_TRUE(save_png(small_picture(), dir.filePath("p.png")));
    EXPECT_EQ(QImage(dir.filePath("p.png")).convertToFormat(QImage::Format_RGB32), small_picture());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"p.png", "values.csv"}))
        << "no temporary left behind";
}

TEST(Safe_file, FullDeviceIsAFailure)
{
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    EXPECT_FALSE(save_text("/dev/full", "values\n"));
    EXPECT_FALSE(save_png(small_picture(), "/dev/full"));
    EXPECT_TRUE(QFileInfo("/dev/full").exists()) << "the device is still there";
}

// A full disk, as far as this process is concerned: files may not grow beyond 100 bytes.
TEST(Safe_file, FailureLeavesTheExistingFileAndNoPartialOne)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath("kept.csv");
    ASSERT_TRUE(save_text(kept, "old\n"));
    const QByteArray too_long(1000, 'x');

    constexpr rlim_t disk_room = 100;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = disk_room;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool replaced = save_text(kept, too_long);
    const bool created = save_text(dir.filePath("new.csv"), too_long);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_EQ(contents(kept), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.csv"}));
}

TEST(Safe_file, NoFileWhereThePathCannotHoldOne)
{
    QTemporaryDir dir;
    EXPECT_FALSE(save_text(dir.filePath("missing/values.csv"), "x\n"));
    EXPECT_FALSE(save_text(dir.path(), "x\n")) << "a directory";
    EXPECT_FALSE(save_text("", "x\n"));
    EXPECT_FALSE(save_png(QImage(), dir.filePath("empty.png")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("empty.png")));
}
