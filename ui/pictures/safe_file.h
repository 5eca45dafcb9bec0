#pragma once
// Writing a file so that a failure is never taken for success: a regular file is written
// to a temporary beside it and renamed over it only once every byte is on disk, so a
// failed write leaves an existing file as it was and no partial file behind. A path that
// names no regular file (a device such as /dev/full) is written in place, every write
// and the final flush checked.

#include <QByteArray>
#include <QString>

#include <string>

class QImage;

// Writes the image as PNG; false when the picture could not be written whole.
bool save_png(const QImage& image, const QString& path);
// Writes the bytes; false when they could not be written whole.
bool save_text(const QString& path, const QByteArray& bytes);

// What a user is told when a picture could not be written: "cannot write the picture 'path'".
std::string cannot_write_picture(const std::string& path);
// save_png, throwing std::runtime_error with cannot_write_picture when it fails.
void write_png(const QImage& image, const std::string& path);
