#include "ui/safe_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool special_file(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

} // namespace

bool save_text(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty()) return false;
    if (special_file(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return false;
        return file.write(bytes) == bytes.size() && file.flush();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool save_png(const QImage& image, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
    return save_text(path, bytes);
}
