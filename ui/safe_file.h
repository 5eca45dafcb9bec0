#pragma once
// Files written whole or not at all: into a temporary beside the target, renamed over it
// once everything is written. A path that exists but is no regular file (a device, a
// pipe) is written directly, and every write is checked.

#include <QByteArray>
#include <QImage>
#include <QString>

bool save_png(const QImage& image, const QString& path);
bool save_text(const QString& path, const QByteArray& bytes);
