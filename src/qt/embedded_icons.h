// The program's pictures (toolbar, window icon) as pixels built into it. Reading the first PNG
// makes Qt load every image-format plugin it has (SVG, GIF, ICO, JPEG and their libraries),
// some 3 ms of start-up, and each PNG is then decoded; these need neither.
#pragma once

#include <QIcon>
#include <QImage>
#include <cstdint>
#include <span>
#include <string_view>

namespace ferdix {

struct EmbeddedPicture {
    const char* name;  // the file name in resources/icons without ".png": "new", "new@2x"
    int width;
    int height;
    const std::uint32_t* pixels;  // premultiplied ARGB, row by row
};

std::span<const EmbeddedPicture> EmbeddedPictures();

// The picture of that name, sharing the built-in pixels; a null image when there is none.
QImage EmbeddedImage(std::string_view name);
// An icon of the pictures of those names (missing ones left out).
QIcon EmbeddedIcon(std::initializer_list<std::string_view> names);

}  // namespace ferdix
