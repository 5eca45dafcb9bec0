#include "ui/pictures/view_pictures.h"

#include "tests/engine/chain_fixture.h"
#include "ui/pictures/safe_file.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class Stop_now : public Progress {
public:
    bool report(double) override { return false; }
};

} // namespace

// Ctrl+C during the eye's drawing: nothing is written, an earlier file stays as it was.
TEST(View_pictures, StoppedEyeWritesNothing)
{
    setup_fresh_chain(6, 3);
    run_once();
    QTemporaryDir dir;
    const QString path = dir.filePath("eye.png");
    ASSERT_TRUE(save_text(path, "earlier"));
    Eye_pattern eye;
    Stop_now stop;
    EXPECT_FALSE(write_eye_picture(eye, 176, 215, path.toStdString(), stop));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier");
}
