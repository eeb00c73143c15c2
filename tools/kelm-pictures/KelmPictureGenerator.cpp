// kelm-pictures: draws the compression window's two pictures, a speech chip (32 by 32) and a sound file on its way
// into it (48 by 48), compresses each with libjpeg and writes them as byte arrays into one C++ source.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// After <cstdio>: it uses FILE and size_t without declaring them.
#include <jpeglib.h>

namespace {

struct Colour {
    double r, g, b;
};

// An RGB picture drawn with shapes given as inside-tests, each pixel sampled 4 by 4 times for smooth edges.
class Picture {
  public:
    Picture(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }

    void shape(const std::function<bool(double, double)>& inside, Colour colour) {
        constexpr int Samples = 4;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                int hits = 0;
                for (int sy = 0; sy < Samples; ++sy)
                    for (int sx = 0; sx < Samples; ++sx)
                        if (inside(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples)) ++hits;
                const double cover = double(hits) / (Samples * Samples);
                Colour& p = pixels_[std::size_t(y) * width_ + x];
                p = {p.r + (colour.r - p.r) * cover, p.g + (colour.g - p.g) * cover, p.b + (colour.b - p.b) * cover};
            }
    }

    // A vertical blend from top to bottom over the whole picture.
    void gradient(Colour top, Colour bottom) {
        for (int y = 0; y < height_; ++y) {
            const double t = height_ > 1 ? double(y) / (height_ - 1) : 0.0;
            for (int x = 0; x < width_; ++x)
                pixels_[std::size_t(y) * width_ + x] = {top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t,
                                                        top.b + (bottom.b - top.b) * t};
        }
    }

    std::vector<std::uint8_t> rgb() const {
        std::vector<std::uint8_t> bytes;
        for (const Colour& p : pixels_)
            for (double channel : {p.r, p.g, p.b})
                bytes.push_back(static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0, 255.0))));
        return bytes;
    }

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

std::function<bool(double, double)> Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

std::function<bool(double, double)> RoundedBox(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

// A band of the given half-width around y = centre + amplitude * sin(...) between left and right: a sound wave.
std::function<bool(double, double)> Wave(double left, double right, double centre, double halfWidth,
                                         const std::function<double(double)>& amplitude) {
    return [=](double x, double y) {
        if (x < left || x >= right) return false;
        const double t = (x - left) / (right - left);
        return std::abs(y - (centre + amplitude(t))) <= halfWidth;
    };
}

std::function<bool(double, double)> Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double x, double y) {
        const auto side = [&](double px, double py, double qx, double qy) {
            return (qx - px) * (y - py) - (qy - py) * (x - px);
        };
        const double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
        return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
    };
}

const Colour Sky{226, 234, 250};
const Colour Paper{255, 255, 255};
const Colour Edge{96, 110, 140};
const Colour ChipBody{52, 58, 72};
const Colour Pin{190, 196, 206};
const Colour WaveBlue{30, 100, 210};
const Colour Signal{120, 220, 255};
const Colour Arrow{230, 120, 20};

// A speech chip: a package with four pins on each side and a sound wave printed on it.
Picture Chip() {
    Picture p(32, 32);
    p.gradient(Sky, Colour{196, 210, 240});
    for (int i = 0; i < 4; ++i) {
        const double at = 9 + i * 4;
        p.shape(Box(at, 3, at + 2, 8), Pin);
        p.shape(Box(at, 24, at + 2, 29), Pin);
        p.shape(Box(3, at, 8, at + 2), Pin);
        p.shape(Box(24, at, 29, at + 2), Pin);
    }
    p.shape(RoundedBox(7, 7, 25, 25, 2), ChipBody);
    p.shape(Wave(9, 23, 16, 1.2, [](double t) { return 5 * std::sin(t * 2 * M_PI * 2) * std::sin(t * M_PI); }), Signal);
    return p;
}

// A sound file: a page with its corner folded and a wave across it, and an arrow leading down out of it.
Picture SoundFile() {
    Picture p(48, 48);
    p.gradient(Sky, Colour{206, 218, 244});
    p.shape(Box(8, 3, 36, 41), Edge);
    p.shape(Box(9, 4, 35, 40), Paper);
    p.shape(Triangle(27, 3, 36, 3, 36, 12), Sky);
    p.shape(Triangle(27, 3, 27, 12, 36, 12), Edge);
    p.shape(Triangle(28, 5, 28, 11, 34, 11), Colour{232, 236, 244});
    p.shape(Wave(11, 33, 22, 1.5,
                 [](double t) { return 7 * std::sin(t * 2 * M_PI * 3) * std::exp(-2.5 * (t - 0.4) * (t - 0.4)); }),
            WaveBlue);
    p.shape(Box(36, 26, 41, 37), Arrow);
    p.shape(Triangle(31, 36, 46, 36, 38.5, 45), Arrow);
    return p;
}

std::vector<std::uint8_t> Jpeg(const Picture& picture) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> rgb = picture.rgb();
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + std::size_t(info.next_scanline) * picture.width() * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

void WriteArray(std::ofstream& out, const char* name, const std::vector<std::uint8_t>& bytes) {
    out << "const std::uint8_t " << name << "Bytes[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 16 == 0 ? "\n    " : " ") << int(bytes[i]) << ",";
    }
    out << "\n};\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelm-pictures <output.cpp>\n");
        return 1;
    }
    std::ofstream out(argv[1]);
    if (!out) {
        std::fprintf(stderr, "kelm-pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    out << "// Generated by tools/kelm-pictures; do not edit.\n"
           "// The compression window's pictures as stored in its layout: JPEG data, decoded when the window is "
           "created.\n"
           "#include \"trackmill/app/windows/KelmPictures.h\"\n\n"
           "namespace {\n\n";
    WriteArray(out, "Chip", Jpeg(Chip()));
    WriteArray(out, "SoundFile", Jpeg(SoundFile()));
    out << "}  // namespace\n\n"
           "std::span<const std::uint8_t> KelmMethodPicture() { return ChipBytes; }\n\n"
           "std::span<const std::uint8_t> KelmFilesPicture() { return SoundFileBytes; }\n";
    return out ? 0 : 1;
}
