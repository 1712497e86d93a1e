// veka4-mkwallpaper OUT_DIR
//
// Writes the tiles the main window repeats behind its editor windows: "Wall8.bmp" (24 bits)
// for screens of 16 bits or more and "Wall4.bmp" (16 colours) for the others. Both show the
// same quiet dark blue-grey texture with fine diagonal lines. Every ingredient repeats within
// the 128-pixel tile, so the tiles meet without seams. Each file goes to a temporary name and
// is renamed into place. Standard library only.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kSize = 128;

struct TColour {
    std::uint8_t R, G, B;
};

// The two ends of the texture's colour range; everything in between is a blend of them.
constexpr TColour kDark{28, 34, 45};
constexpr TColour kLight{60, 71, 88};

// A fixed pseudo-random value in [0, 1] for a lattice point (the same on every run).
double LatticeValue(int x, int y, unsigned seed) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

// Smooth value noise whose lattice wraps at the tile's edge, so it repeats every kSize pixels.
double TiledNoise(int x, int y, int cell, unsigned seed) {
    const int cells = kSize / cell;
    const int cx = x / cell, cy = y / cell;
    const double fx = static_cast<double>(x % cell) / cell, fy = static_cast<double>(y % cell) / cell;
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const auto at = [&](int ix, int iy) { return LatticeValue(ix % cells, iy % cells, seed); };
    const double top = at(cx, cy) + (at(cx + 1, cy) - at(cx, cy)) * smooth(fx);
    const double bottom = at(cx, cy + 1) + (at(cx + 1, cy + 1) - at(cx, cy + 1)) * smooth(fx);
    return top + (bottom - top) * smooth(fy);
}

// The motif as a brightness from 0 to 1.
double Motif(int x, int y) {
    const double cloud = 0.65 * TiledNoise(x, y, 32, 1) + 0.35 * TiledNoise(x, y, 8, 2);
    // Diagonal lines every 8 pixels, softened by their neighbours; 8 divides the tile.
    const int d = (x + y) % 8;
    const double line = d == 0 ? 1.0 : (d == 1 || d == 7) ? 0.3 : 0.0;
    return 0.7 * cloud + 0.3 * line;
}

TColour Blend(double t) {
    const auto mix = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    return {mix(kDark.R, kLight.R), mix(kDark.G, kLight.G), mix(kDark.B, kLight.B)};
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An uncompressed, bottom-up Windows bitmap. rows holds the packed pixel bytes of each row,
// top row first; the palette is empty for 24 bits.
std::vector<std::uint8_t> Bitmap(int bitsPerPixel, const std::vector<TColour>& palette,
                                 const std::vector<std::vector<std::uint8_t>>& rows) {
    const std::uint32_t stride = (kSize * bitsPerPixel + 31) / 32 * 4;
    const std::uint32_t headers = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    const std::uint32_t imageSize = stride * kSize;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, headers + imageSize);
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, kSize);
    Put32(out, kSize);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(palette.size()));
    Put32(out, 0);
    for (const TColour& c : palette) {
        out.push_back(c.B);
        out.push_back(c.G);
        out.push_back(c.R);
        out.push_back(0);
    }
    for (int y = kSize - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row = rows[static_cast<std::size_t>(y)];
        row.resize(stride, 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> Wall8() {
    std::vector<std::vector<std::uint8_t>> rows(kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const TColour c = Blend(Motif(x, y));
            rows[static_cast<std::size_t>(y)].insert(rows[static_cast<std::size_t>(y)].end(), {c.B, c.G, c.R});
        }
    return Bitmap(24, {}, rows);
}

std::vector<std::uint8_t> Wall4() {
    std::vector<TColour> palette;
    for (int i = 0; i < 16; ++i) palette.push_back(Blend(i / 15.0));
    std::vector<std::vector<std::uint8_t>> rows(kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; x += 2) {
            const auto index = [y](int px) { return static_cast<unsigned>(std::lround(Motif(px, y) * 15)); };
            rows[static_cast<std::size_t>(y)].push_back(static_cast<std::uint8_t>(index(x) << 4 | index(x + 1)));
        }
    return Bitmap(4, palette, rows);
}

// Writes bytes to path through a temporary file beside it; false with a message on failure.
bool WriteReplacing(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "veka4-mkwallpaper: cannot write %s\n", temporary.string().c_str());
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        std::fprintf(stderr, "veka4-mkwallpaper: %s: %s\n", path.string().c_str(), ec.message().c_str());
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veka4-mkwallpaper OUT_DIR\n");
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!WriteReplacing(folder / "Wall8.bmp", Wall8())) return 1;
    if (!WriteReplacing(folder / "Wall4.bmp", Wall4())) return 1;
    return 0;
}
