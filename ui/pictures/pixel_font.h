#pragma once
// The windows name their faces and sizes in pixels; the application maps the faces to
// the Liberation faces installed with the program.

#include <QFont>

inline QFont pixel_font(const char* family, int pixel_size, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}
