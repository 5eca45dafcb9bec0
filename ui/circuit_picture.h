#pragma once
#include <QImage>
#include <cstddef>
enum class Circuit_note { average_8, average_n };
QImage decode_jpeg(const unsigned char* data, std::size_t size);
QImage circuit_picture(Circuit_note note);
