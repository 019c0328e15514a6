#include "png/Png.h"

#include <png.h>

#include "files/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

// libpng reports a failure by calling our error function, which keeps its
// text and jumps back to the setjmp of the function that made the call.
// Everything that runs between that setjmp and the jump (readRows,
// writeRows, the callbacks below) creates no object with a destructor, so
// the jump skips none. The structures themselves are owned by guards in the
// callers, outside the jump.
constexpr size_t ErrorTextSize = 200;

void onError(png_structp png, png_const_charp message)
{
    auto* text = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(text, ErrorTextSize, "%s", message);
    png_longjmp(png, 1);
}

// The engine never prints; libpng's warnings are about chunks we ignore.
void onWarning(png_structp, png_const_charp) {}

struct MemorySource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void readFromMemory(png_structp png, png_bytep out, size_t length)
{
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->position) png_error(png, "the file ends early");
    std::memcpy(out, source->data + source->position, length);
    source->position += length;
}

struct MemoryTarget {
    std::vector<uint8_t>* bytes;
};

void writeToMemory(png_structp png, png_bytep data, size_t length)
{
    auto* target = static_cast<MemoryTarget*>(png_get_io_ptr(png));
    bool full = false;
    try {
        target->bytes->insert(target->bytes->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        full = true;
    }
    // Outside the handler: jumping out of a catch block would leak the exception.
    if (full) png_error(png, "not enough memory");
}

void flushNothing(png_structp) {}

class ReadStructs {
public:
    explicit ReadStructs(char* errorText)
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, errorText, onError, onWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr)
    {
    }
    ~ReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStructs(const ReadStructs&) = delete;
    ReadStructs& operator=(const ReadStructs&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

class WriteStructs {
public:
    explicit WriteStructs(char* errorText)
        : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, errorText, onError, onWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr)
    {
    }
    ~WriteStructs() { png_destroy_write_struct(&png_, &info_); }
    WriteStructs(const WriteStructs&) = delete;
    WriteStructs& operator=(const WriteStructs&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

enum class ReadOutcome { Ok, Failed, TooLarge };

struct ReadSize {
    png_uint_32 width;
    png_uint_32 height;
};

ReadOutcome readRows(png_structp png, png_infop info, MemorySource* source, int maxSide, ReadSize* size, Image* out)
{
    if (setjmp(png_jmpbuf(png))) return ReadOutcome::Failed;
    png_set_read_fn(png, source, readFromMemory);
    // libpng's own default limit (a million pixels a side) would answer
    // first with its own words; ours is smaller and checked below.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_read_info(png, info);
    size->width = png_get_image_width(png, info);
    size->height = png_get_image_height(png, info);
    if (size->width > static_cast<png_uint_32>(maxSide) || size->height > static_cast<png_uint_32>(maxSide))
        return ReadOutcome::TooLarge;

    const int colorType = png_get_color_type(png, info);
    png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, transparency chunk to alpha
    png_set_strip_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t stride = static_cast<size_t>(size->width) * 4;
    if (png_get_rowbytes(png, info) != stride) png_error(png, "unexpected row layout after conversion");

    out->width = static_cast<int>(size->width);
    out->height = static_cast<int>(size->height);
    out->channels = 4;
    out->pixels.assign(stride * size->height, 0);
    // Row by row, each pass of an interlaced picture filling in its pixels.
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < size->height; ++y) png_read_row(png, out->pixels.data() + y * stride, nullptr);
    png_read_end(png, nullptr);
    return ReadOutcome::Ok;
}

bool writeRows(png_structp png, png_infop info, MemoryTarget* target, const Image* image)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, target, writeToMemory, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image->width), static_cast<png_uint_32>(image->height), 8,
                 image->channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t stride = static_cast<size_t>(image->width) * static_cast<size_t>(image->channels);
    for (int y = 0; y < image->height; ++y) png_write_row(png, image->pixels.data() + static_cast<size_t>(y) * stride);
    png_write_end(png, info);
    return true;
}

std::string systemError(const char* what, int error) { return std::string(what) + ": " + std::strerror(error); }

}  // namespace

PngReadResult decodePng(std::span<const uint8_t> bytes, int maxSide)
{
    maxSide = std::clamp(maxSide, 1, MaxPngSide);
    PngReadResult result;
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        result.error = "not a PNG picture";
        return result;
    }
    char errorText[ErrorTextSize] = "";
    ReadStructs structs(errorText);
    if (!structs.png() || !structs.info()) {
        result.error = "not enough memory to read the picture";
        return result;
    }
    MemorySource source{bytes.data(), bytes.size(), 0};
    ReadSize size{0, 0};
    ReadOutcome outcome;
    try {
        outcome = readRows(structs.png(), structs.info(), &source, maxSide, &size, &result.image);
    } catch (const std::bad_alloc&) {
        result = {};
        result.error = "not enough memory to read the picture";
        return result;
    }
    if (outcome == ReadOutcome::Ok) return result;
    result.image = {};
    if (outcome == ReadOutcome::TooLarge)
        result.error = "a picture of " + std::to_string(size.width) + " x " + std::to_string(size.height) +
                       " pixels is too large (at most " + std::to_string(maxSide) + " x " +
                       std::to_string(maxSide) + ")";
    else
        result.error = std::string("a damaged PNG picture (") + errorText + ")";
    return result;
}

PngReadResult readPng(const std::string& path, int maxSide)
{
    PngReadResult result;
    // Not blocking: a pipe would otherwise wait here for a writer that never
    // comes. Only a plain file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = systemError("cannot be opened", errno);
        return result;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.error = "is not a file";
        return result;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        result.error = systemError("cannot be opened", error);
        return result;
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t n;
    try {
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        result.error = "not enough memory to read the file";
        return result;
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        result.error = systemError("cannot be read", error);
        return result;
    }
    return decodePng(bytes, maxSide);
}

PngEncodeResult encodePng(const Image& image)
{
    PngEncodeResult result;
    if (image.channels != 3 && image.channels != 4) {
        result.error = "only RGB and RGBA pictures can be written";
        return result;
    }
    if (image.width < 1 || image.height < 1 || image.width > MaxPngSide || image.height > MaxPngSide) {
        result.error = "a picture of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                       " pixels cannot be written";
        return result;
    }
    if (image.pixels.size() != image.pixelCount() * static_cast<size_t>(image.channels)) {
        result.error = "the picture's pixels do not match its size";
        return result;
    }
    char errorText[ErrorTextSize] = "";
    WriteStructs structs(errorText);
    if (!structs.png() || !structs.info()) {
        result.error = "not enough memory to write the picture";
        return result;
    }
    MemoryTarget target{&result.bytes};
    if (!writeRows(structs.png(), structs.info(), &target, &image)) {
        result.bytes.clear();
        result.error = std::string("the picture cannot be coded (") + errorText + ")";
    }
    return result;
}

std::string writePng(const std::string& path, const Image& image)
{
    PngEncodeResult png = encodePng(image);
    if (!png.ok()) return png.error;
    if (path.empty()) return systemError("cannot be created", ENOENT);

    const std::error_code error = replaceFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(png.bytes.data()), png.bytes.size()));
    if (error) return std::string("cannot be created: ") + error.message();
    return {};
}

}  // namespace common
