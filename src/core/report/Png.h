#pragma once

#include "report/Bitmap.h"

#include <cstdint>
#include <vector>

namespace orvex {

// A PNG file image of `image` (8-bit RGB, no interlace). The pixel data is deflated with the
// fixed Huffman codes and repeats of the previous pixel or the pixel above, which is plenty for
// drawings with large plain areas.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

} // namespace orvex
