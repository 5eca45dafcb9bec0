#include "ui/pictures/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.csv"}));
}

TEST(Safe_file, NoFileWhereThePathCannotHoldOne)
{
    QTemporaryDir dir;
    EXPECT_FALSE(save_text(dir.path(), "x\n")) << "a directory";
    EXPECT_FALSE(save_text("", "x\n"));
    EXPECT_FALSE(save_png(QImage(), dir.filePath("empty.png")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("empty.png")));
}
