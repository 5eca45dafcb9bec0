#include "ui/pictures/safe_file.h"

#include "engine/refusal.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <stdexcept>

namespace {

bool write_all(QIODevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size();
}

// A device or other special file: no temporary beside it, no rename over it.
bool write_in_place(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written = write_all(file, bytes) && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool write_replacing(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // commit() does not notice a flush that fails on its own (a full disk after a partial
    // write), so the flush is checked first.
    if (!write_all(file, bytes) || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit(); // removes the temporary
        return false;
    }
    return file.commit();
}

} // namespace

bool save_text(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return info.isDir() ? false : write_in_place(path, bytes);
    return write_replacing(path, bytes);
}

bool save_png(const QImage& image, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (image.isNull() || !writer.write(image)) return false;
    buffer.close();
    return save_text(path, bytes);
}

std::string cannot_write_picture(const std::string& path)
{
    return "cannot write the picture '" + echo_text(path) + "'";
}

void write_png(const QImage& image, const std::string& path)
{
    if (!save_png(image, QString::fromStdString(path)))
        throw std::runtime_error(cannot_write_picture(path));
}
