#include "ui/circuit_picture.h"
QImage decode_jpeg(const unsigned char*, std::size_t) { return {}; }
QImage circuit_picture(Circuit_note)
{
    QImage i(895, 163, QImage::Format_RGB32);
    i.fill(Qt::lightGray);
    return i;
}
