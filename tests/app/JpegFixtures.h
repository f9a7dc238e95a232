// Small JPEG pictures made on the spot with libjpeg's compressor, so the decoder's tests know
// exactly what went in.
#pragma once
#include <string>
#include <vector>

// `samples` holds width * height * components bytes, rows top to bottom, in the order of
// `components`: 1 grey, 3 R G B, 4 C M Y K. Every component is sampled at full resolution and
// quality is 100, so decoded values stay within a few units of the input. A non-empty `comment`
// is written as a COM marker before the picture data.
std::vector<unsigned char> EncodeJpeg(int width, int height, int components,
                                      const std::vector<unsigned char>& samples,
                                      const std::string& comment = std::string());
