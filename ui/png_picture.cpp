#include "ui/png_picture.h"

#include <windows.h>

#include <png.h>

namespace velorin {

namespace {

// The largest side decoded. The support page's boxes are a few hundred
// pixels wide; the limit keeps a damaged header from asking for gigabytes.
constexpr png_uint_32 max_side = 4096;

}  // namespace

decoded_picture decode_png(std::span<const std::uint8_t> bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        png_image_free(&image);
        return {};
    }
    if (image.width == 0 || image.height == 0 || image.width > max_side ||
        image.height > max_side) {
        png_image_free(&image);
        return {};
    }
    image.format = PNG_FORMAT_BGRA;
    decoded_picture picture;
    picture.bgra.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.bgra.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    return picture;
}

std::span<const std::uint8_t> resource_bytes(int resource_id) {
    if (resource_id <= 0) {
        return {};
    }
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource_id), RT_RCDATA);
    if (!found) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

}  // namespace velorin
