// Build tool (runs on the build machine): writes the program's icon file from the "icon"
// picture, as a 32 × 32, 16-colour Windows icon, for the executables' resources.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

#include "ui/pictures.h"

namespace {

// The 16 standard colours in the order of the classic Windows palette.
constexpr std::uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

int nearest(std::uint32_t rgb) {
    int best = 0;
    long best_distance = -1;
    for (int i = 0; i < 16; ++i) {
        long d = 0;
        for (int shift : {0, 8, 16}) {
            const long a = (rgb >> shift) & 0xFF, b = (kPalette[i] >> shift) & 0xFF;
            d += (a - b) * (a - b);
        }
        if (best_distance < 0 || d < best_distance) best = i, best_distance = d;
    }
    return best;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_icon OUT.ico\n";
        return 2;
    }
    const auto picture = quornel::picture_for("icon");
    if (!picture || picture->width != 32 || picture->height != 32) {
        std::cerr << "make_icon: no 32 x 32 icon picture\n";
        return 1;
    }
    constexpr int kSize = 32;
    constexpr std::uint32_t kXorBytes = kSize * kSize / 2;  // 4 bits a pixel
    constexpr std::uint32_t kAndBytes = kSize * 4;          // 1 bit a pixel, rows of 4 bytes
    constexpr std::uint32_t kImageBytes = 40 + 16 * 4 + kXorBytes + kAndBytes;

    std::vector<std::uint8_t> out;
    put16(out, 0);  // ICONDIR
    put16(out, 1);  // icon
    put16(out, 1);  // one image
    out.push_back(kSize);
    out.push_back(kSize);
    out.push_back(16);  // colours
    out.push_back(0);
    put16(out, 1);  // planes
    put16(out, 4);  // bits per pixel
    put32(out, kImageBytes);
    put32(out, 6 + 16);  // offset of the image

    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, kSize);
    put32(out, kSize * 2);  // colour and mask
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, kXorBytes + kAndBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (std::uint32_t rgb : kPalette) {
        out.push_back(rgb & 0xFF);          // blue
        out.push_back((rgb >> 8) & 0xFF);   // green
        out.push_back((rgb >> 16) & 0xFF);  // red
        out.push_back(0);
    }
    for (int y = kSize - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < kSize; x += 2) {
            out.push_back(static_cast<std::uint8_t>(nearest(picture->at(x, y)) << 4 |
                                                    nearest(picture->at(x + 1, y))));
        }
    }
    out.insert(out.end(), kAndBytes, 0);  // every pixel opaque

    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return file ? 0 : 1;
}
