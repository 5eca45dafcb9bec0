#pragma once
// The circuit diagram of the link behind the stage buttons, stored in the binary as JPEG.

#include <QImage>

#include <cstddef>
#include <span>

// Which of the two embedded pictures: the run menu's ADC note reads "average 8 samples",
// the start menu's "average n samples".
enum class Circuit_note { average_8, average_n };

// Decodes a JPEG with libjpeg into an RGB32 image; throws std::runtime_error ("the
// circuit-diagram picture is damaged: <reason>") for empty, corrupt, truncated or
// implausibly large data.
QImage decode_jpeg(const unsigned char* data, std::size_t size);

// The stored JPEG bytes of a picture.
std::span<const unsigned char> circuit_jpeg(Circuit_note note);

// The embedded circuit diagram, 895 x 163.
QImage circuit_picture(Circuit_note note);
