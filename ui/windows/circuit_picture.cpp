#include "ui/windows/circuit_picture.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

// Generated from resources/*.jpg at build time.
extern const unsigned char circuit_run_jpg[];
extern const std::size_t circuit_run_jpg_size;
extern const unsigned char circuit_start_jpg[];
extern const std::size_t circuit_start_jpg_size;

// Format_RGB32 holds 0xAARRGGBB words, which are B, G, R, A bytes only on little-endian machines.
static_assert(std::endian::native == std::endian::little, "BGRA output assumes little-endian");
static_assert(sizeof(unsigned long) >= sizeof(std::size_t), "jpeg_mem_src takes unsigned long");

namespace {

// Sides beyond this are taken as damage: the pictures are a few hundred pixels across,
// and the limit keeps the image below 256 MB.
constexpr JDIMENSION max_side = 8192;

// libjpeg's error manager, extended by the way back to read_jpeg and the reason.
struct Jpeg_error {
    jpeg_error_mgr manager; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jump_back(j_common_ptr info)
{
    auto* error = reinterpret_cast<Jpeg_error*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Level -1 is a warning about corrupt data (a premature end included), after which libjpeg
// would go on with made-up pixels; a damaged picture is an error here. Higher levels are
// trace messages.
void on_message(j_common_ptr info, int level)
{
    if (level < 0) jump_back(info);
}

// The decompressor's state. It lives outside read_jpeg, whose locals the jump back from
// libjpeg may leave indeterminate.
struct Jpeg_reader {
    jpeg_decompress_struct info{};
    Jpeg_error error{};

    Jpeg_reader()
    {
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = jump_back;
        error.manager.emit_message = on_message;
    }
    ~Jpeg_reader() { jpeg_destroy_decompress(&info); }
    Jpeg_reader(const Jpeg_reader&) = delete;
    Jpeg_reader& operator=(const Jpeg_reader&) = delete;
};

// Decodes into image; false with the reason in reader.error.message when libjpeg fails.
// libjpeg's errors jump back to the setjmp below past this function's frames, so only
// trivially destructible objects may be alive here while libjpeg runs.
bool read_jpeg(Jpeg_reader& reader, const unsigned char* data, std::size_t size, QImage& image)
{
    if (setjmp(reader.error.jump) != 0) return false;
    jpeg_decompress_struct* info = &reader.info;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    if (info->image_width > max_side || info->image_height > max_side) {
        std::snprintf(reader.error.message, sizeof reader.error.message,
                      "%u x %u pixels exceed the limit of %u a side", info->image_width,
                      info->image_height, max_side);
        return false;
    }
    // BGRA rather than BGRX: libjpeg leaves the X byte undefined, RGB32 wants it 0xff.
    info->out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(info);
    image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) {
        std::snprintf(reader.error.message, sizeof reader.error.message, "out of memory");
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

QImage decode_jpeg(const unsigned char* data, std::size_t size)
{
    Jpeg_reader reader;
    QImage image;
    if (!read_jpeg(reader, data, size, image))
        throw std::runtime_error(std::string("the circuit-diagram picture is damaged: ") +
                                 reader.error.message);
    return image;
}

std::span<const unsigned char> circuit_jpeg(Circuit_note note)
{
    switch (note) {
    case Circuit_note::average_8: return {circuit_run_jpg, circuit_run_jpg_size};
    case Circuit_note::average_n: return {circuit_start_jpg, circuit_start_jpg_size};
    }
    throw std::invalid_argument("circuit_jpeg: unknown picture");
}

QImage circuit_picture(Circuit_note note)
{
    const std::span<const unsigned char> jpeg = circuit_jpeg(note);
    return decode_jpeg(jpeg.data(), jpeg.size());
}
