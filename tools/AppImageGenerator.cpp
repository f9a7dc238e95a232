// Draws the catalogue's own pictures and writes them as the files the resource script includes:
// the splash picture (400x300 JPEG), the splash strip (398x7 BMP) and the node and program icons
// (16x16 and 32x32 in each .ico). Everything is computed, so a run gives the same files again;
// only the splash texts go through GDI. Run by tools/make-app-images.sh.
// Usage: app_image_generator <output directory>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <jpeglib.h>

namespace
{

const double kPi = 3.14159265358979323846;

struct Colour
{
    double r, g, b;
};

Colour Rgb(int value)
{
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

Colour Mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double f)
{
    return {std::min(1.0, c.r * f), std::min(1.0, c.g * f), std::min(1.0, c.b * f)};
}

// A fully saturated hue, h in [0, 1).
Colour Hue(double h)
{
    h = h - std::floor(h);
    const double k[3] = {5.0, 3.0, 1.0};
    double out[3];
    for (int i = 0; i < 3; ++i) {
        double t = std::fmod(k[i] + h * 6.0, 6.0);
        out[i] = 1.0 - std::max(0.0, std::min({t, 4.0 - t, 1.0}));
    }
    return {out[0], out[1], out[2]};
}

// An RGBA canvas; shapes are composited over it with supersampled coverage.
class Canvas
{
public:
    Canvas(int width, int height)
        : w(width), h(height), px(size_t(width) * height), alpha(size_t(width) * height, 0.0)
    {
    }

    // `signedDistance` is positive inside the shape, in pixels; `inset` shrinks the shape.
    void Fill(const std::function<double(double, double)>& signedDistance,
              const std::function<Colour(double, double)>& colour, double opacity = 1.0,
              double inset = 0.0)
    {
        const int ss = 4;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int inside = 0;
                for (int sy = 0; sy < ss; ++sy)
                    for (int sx = 0; sx < ss; ++sx)
                        if (signedDistance(x + (sx + 0.5) / ss, y + (sy + 0.5) / ss) >= inset)
                            ++inside;
                if (inside == 0) continue;
                const double a = opacity * inside / (ss * ss);
                const size_t i = size_t(y) * w + x;
                px[i] = Mix(px[i], colour(x + 0.5, y + 0.5), alpha[i] == 0.0 ? 1.0 : a);
                alpha[i] = alpha[i] + a * (1.0 - alpha[i]);
            }
    }

    const int w, h;
    std::vector<Colour> px;
    std::vector<double> alpha;  // coverage, 0 transparent
};

using Shape = std::function<double(double, double)>;

Shape Circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return r - std::hypot(x - cx, y - cy); };
}

Shape Ring(double cx, double cy, double outer, double inner)
{
    return [=](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        return std::min(outer - d, d - inner);
    };
}

// A convex polygon with its corners listed clockwise on screen (y down).
Shape Polygon(std::vector<std::pair<double, double>> pts)
{
    return [=](double x, double y) {
        double best = 1e9;
        for (size_t i = 0; i < pts.size(); ++i) {
            const auto& a = pts[i];
            const auto& b = pts[(i + 1) % pts.size()];
            const double ex = b.first - a.first, ey = b.second - a.second;
            const double len = std::hypot(ex, ey);
            best = std::min(best, ((x - a.first) * ey - (y - a.second) * ex) / -len);
        }
        return best;
    };
}

Shape Rect(double l, double t, double r, double b)
{
    return Polygon({{l, t}, {r, t}, {r, b}, {l, b}});
}

std::function<Colour(double, double)> Solid(int rgb)
{
    const Colour c = Rgb(rgb);
    return [=](double, double) { return c; };
}

// A shape with a one-pixel outline: the outline colour over the whole shape, the fill inside it.
void Outlined(Canvas& c, const Shape& shape, int outline,
              const std::function<Colour(double, double)>& fill)
{
    c.Fill(shape, Solid(outline));
    c.Fill(shape, fill, 1.0, 1.0);
}

// Scales a shape given in a unit square to an icon of `size` pixels.
Shape Unit(const Shape& s, int size)
{
    return [=](double x, double y) { return s(x / size, y / size) * size; };
}

void DrawDisc(Canvas& c, double cx, double cy, double r)
{
    auto sheen = [=](double x, double y) {
        const double angle = std::atan2(y - cy, x - cx);
        const double d = std::hypot(x - cx, y - cy) / r;
        Colour silver = Mix(Rgb(0xC9D2DA), Rgb(0xF4F7FA), 0.5 + 0.5 * std::sin(angle * 2.0 + 0.6));
        silver = Mix(silver, Hue(angle / kPi + d * 0.35), 0.22 + 0.12 * std::cos(angle * 2.0));
        return silver;
    };
    const double rim = std::max(1.0, r * 0.05);
    c.Fill(Ring(cx, cy, r, r * 0.15), Solid(0x5E6B78));
    c.Fill(Ring(cx, cy, r - rim, r * 0.15), sheen);
    c.Fill(Ring(cx, cy, r * 0.34, r * 0.15), Solid(0xE3E9EE), 0.85);
    c.Fill(Ring(cx, cy, r * 0.34, r * 0.31), Solid(0x8C99A6), 0.8);
    c.Fill(Ring(cx, cy, r * 0.15 + rim, r * 0.15), Solid(0x6F7C89));
}

Canvas DiscIcon(int size)
{
    Canvas c(size, size);
    DrawDisc(c, size / 2.0, size / 2.0, size * 0.48);
    return c;
}

Canvas ClosedFolderIcon(int size)
{
    Canvas c(size, size);
    auto fill = [=](double, double y) { return Mix(Rgb(0xFBE08A), Rgb(0xE8B730), y / size); };
    Outlined(c, Unit(Polygon({{0.03, 0.16}, {0.40, 0.16}, {0.48, 0.27}, {0.03, 0.27}}), size),
             0x9A7416, Solid(0xF0C75A));
    Outlined(c, Unit(Rect(0.03, 0.24, 0.97, 0.86), size), 0x9A7416, fill);
    c.Fill(Unit(Rect(0.03, 0.24, 0.97, 0.86), size), Solid(0xFFF3C4), 1.0, 1.0);
    c.Fill(Unit(Rect(0.03, 0.24, 0.97, 0.86), size), fill, 1.0, 2.0);
    return c;
}

Canvas OpenFolderIcon(int size)
{
    Canvas c(size, size);
    Outlined(c, Unit(Polygon({{0.03, 0.16}, {0.40, 0.16}, {0.48, 0.27}, {0.03, 0.27}}), size),
             0x9A7416, Solid(0xD9A62B));
    Outlined(c, Unit(Rect(0.03, 0.24, 0.86, 0.86), size), 0x9A7416, Solid(0xD9A62B));
    auto front = [=](double, double y) { return Mix(Rgb(0xFFEAA6), Rgb(0xF0C24A), y / size); };
    Outlined(c, Unit(Polygon({{0.22, 0.44}, {1.00, 0.44}, {0.84, 0.86}, {0.03, 0.86}}), size),
             0x9A7416, front);
    return c;
}

Canvas GenericFileIcon(int size)
{
    Canvas c(size, size);
    Outlined(
        c,
        Unit(Polygon({{0.16, 0.04}, {0.62, 0.04}, {0.86, 0.28}, {0.86, 0.96}, {0.16, 0.96}}), size),
        0x6E7781, Solid(0xFFFFFF));
    Outlined(c, Unit(Polygon({{0.62, 0.04}, {0.86, 0.28}, {0.62, 0.28}}), size), 0x6E7781,
             Solid(0xDCE2E8));
    const double line = 1.0 / size;  // one pixel thick at either size
    for (double y : {0.44, 0.58, 0.72, 0.86})
        c.Fill(Unit(Rect(0.30, y - line / 2, 0.72, y + line / 2), size), Solid(0x9AA7B4));
    return c;
}

Canvas ProgramIcon(int size)
{
    Canvas c(size, size);
    auto box = [=](double, double y) { return Mix(Rgb(0x3E86D6), Rgb(0x1F5A9E), y / size); };
    Outlined(c, Unit(Rect(0.03, 0.34, 0.72, 0.97), size), 0x163F6E, box);
    c.Fill(Unit(Rect(0.12, 0.52, 0.62, 0.56), size), Solid(0xBFD9F5));
    c.Fill(Unit(Rect(0.12, 0.66, 0.50, 0.70), size), Solid(0xBFD9F5));
    DrawDisc(c, size * 0.63, size * 0.37, size * 0.36);
    return c;
}

bool WriteFile(const std::string& path, const std::vector<BYTE>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

template <class T>
void Append(std::vector<BYTE>& out, const T& value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    out.insert(out.end(), p, p + sizeof value);
}

BYTE ToByte(double v) { return BYTE(std::lround(std::max(0.0, std::min(1.0, v)) * 255.0)); }

// One .ico with a 32-bit image per canvas: hard-edged alpha, and the AND mask to match, so the
// masked image lists of the views draw the same outline.
bool WriteIcon(const std::string& path, const std::vector<Canvas>& images)
{
    std::vector<BYTE> out;
    Append(out, WORD(0));
    Append(out, WORD(1));
    Append(out, WORD(images.size()));
    std::vector<std::vector<BYTE>> bodies;
    for (const Canvas& c : images) {
        std::vector<BYTE> body;
        BITMAPINFOHEADER h = {};
        h.biSize = sizeof h;
        h.biWidth = c.w;
        h.biHeight = c.h * 2;
        h.biPlanes = 1;
        h.biBitCount = 32;
        const size_t maskRow = ((c.w + 31) / 32) * 4;
        h.biSizeImage = DWORD(c.w * c.h * 4 + maskRow * c.h);
        Append(body, h);
        for (int y = c.h - 1; y >= 0; --y)
            for (int x = 0; x < c.w; ++x) {
                const size_t i = size_t(y) * c.w + x;
                const bool opaque = c.alpha[i] >= 0.5;
                body.push_back(opaque ? ToByte(c.px[i].b) : 0);
                body.push_back(opaque ? ToByte(c.px[i].g) : 0);
                body.push_back(opaque ? ToByte(c.px[i].r) : 0);
                body.push_back(opaque ? 255 : 0);
            }
        for (int y = c.h - 1; y >= 0; --y) {
            std::vector<BYTE> row(maskRow, 0);
            for (int x = 0; x < c.w; ++x)
                if (c.alpha[size_t(y) * c.w + x] < 0.5) row[x / 8] |= BYTE(0x80 >> (x % 8));
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(body);
    }
    DWORD offset = DWORD(6 + 16 * images.size());
    for (size_t n = 0; n < images.size(); ++n) {
        out.push_back(BYTE(images[n].w));
        out.push_back(BYTE(images[n].h));
        out.push_back(0);  // no palette
        out.push_back(0);
        Append(out, WORD(1));
        Append(out, WORD(32));
        Append(out, DWORD(bodies[n].size()));
        Append(out, offset);
        offset += DWORD(bodies[n].size());
    }
    for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return WriteFile(path, out);
}

// The strip under the splash's status line: slanted stripes whose period divides its length,
// so that the scrolled copy joins its start without a seam.
bool WriteStrip(const std::string& path)
{
    const int w = 398, h = 7, stripes = 28;
    const double period = double(w) / stripes;
    const double shade[h] = {0.78, 0.94, 1.04, 1.08, 1.03, 0.93, 0.78};
    const Colour dark = Rgb(0x2A74B4), light = Rgb(0xA9D7F2);
    const size_t row = (size_t(w) * 3 + 3) & ~size_t(3);
    std::vector<BYTE> bits(row * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int on = 0;
            const int ss = 8;
            for (int s = 0; s < ss; ++s) {
                const double phase = (x + (s + 0.5) / ss + y) / period;
                if (phase - std::floor(phase) < 0.5) ++on;
            }
            const Colour c = Scale(Mix(dark, light, double(on) / ss), shade[y]);
            BYTE* p = &bits[size_t(h - 1 - y) * row + size_t(x) * 3];  // bottom-up rows
            p[0] = ToByte(c.b);
            p[1] = ToByte(c.g);
            p[2] = ToByte(c.r);
        }
    std::vector<BYTE> out;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = DWORD(fh.bfOffBits + bits.size());
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = DWORD(bits.size());
    Append(out, fh);
    Append(out, ih);
    out.insert(out.end(), bits.begin(), bits.end());
    return WriteFile(path, out);
}

void TextAt(HDC dc, int x, int y, const wchar_t* text, int height, int weight, COLORREF colour)
{
    HFONT font = CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, text, int(wcslen(text)));
    SelectObject(dc, old);
    DeleteObject(font);
}

// The splash picture: a disc on a dark blue ground with the program's name, and a white band at
// the bottom where the window writes its status line and scrolls its strip.
bool WriteSplash(const std::string& path)
{
    const int w = 400, h = 300;
    Canvas c(w, h);
    c.Fill([](double, double) { return 1.0; },
           [=](double x, double y) {
               Colour ground = Mix(Rgb(0x0D2742), Rgb(0x1B5F7C), y / h);
               const double glow = std::exp(-(std::pow(x - 314, 2) + std::pow(y - 124, 2)) /
                                            (2 * 95.0 * 95.0));
               return Mix(ground, Rgb(0x6FC3DF), 0.35 * glow);
           });
    c.Fill(Circle(321, 134, 86), Solid(0x04121F), 0.35);  // shadow
    DrawDisc(c, 314, 124, 84);
    c.Fill(Rect(0, 270, w, h), Solid(0xFFFFFF));
    c.Fill(Rect(0, 269, w, 270), Solid(0x9FB6C6));

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) return false;
    HGDIOBJ oldBitmap = SelectObject(dc, dib);
    BYTE* p = static_cast<BYTE*>(bits);
    for (size_t i = 0; i < c.px.size(); ++i) {
        p[i * 4 + 0] = ToByte(c.px[i].b);
        p[i * 4 + 1] = ToByte(c.px[i].g);
        p[i * 4 + 2] = ToByte(c.px[i].r);
        p[i * 4 + 3] = 0;
    }
    SetBkMode(dc, TRANSPARENT);
    TextAt(dc, 26, 70, L"Lornival", 46, FW_BOLD, RGB(0xFF, 0xFF, 0xFF));
    TextAt(dc, 29, 126, L"Каталог компакт-дисков", 17, FW_NORMAL, RGB(0xBF, 0xE3, 0xF2));
    TextAt(dc, 29, 150, L"Версия 1.16", 13, FW_NORMAL, RGB(0x8F, 0xB8, 0xCC));
    GdiFlush();

    std::vector<JSAMPLE> rgb(size_t(w) * h * 3);
    for (size_t i = 0; i < size_t(w) * h; ++i) {
        rgb[i * 3 + 0] = p[i * 4 + 2];
        rgb[i * 3 + 1] = p[i * 4 + 1];
        rgb[i * 3 + 2] = p[i * 4 + 0];
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(dib);
    DeleteDC(dc);

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[size_t(cinfo.next_scanline) * w * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: app_image_generator <output directory>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "\\";
    bool ok = WriteSplash(dir + "SplashPicture.jpg");
    ok = WriteStrip(dir + "SplashStrip.bmp") && ok;
    ok = WriteIcon(dir + "Disc.ico", {DiscIcon(16), DiscIcon(32)}) && ok;
    ok = WriteIcon(dir + "FolderClosed.ico", {ClosedFolderIcon(16), ClosedFolderIcon(32)}) && ok;
    ok = WriteIcon(dir + "FolderOpen.ico", {OpenFolderIcon(16), OpenFolderIcon(32)}) && ok;
    ok = WriteIcon(dir + "GenericFile.ico", {GenericFileIcon(16), GenericFileIcon(32)}) && ok;
    ok = WriteIcon(dir + "Lornival.ico", {ProgramIcon(16), ProgramIcon(32)}) && ok;
    std::printf(ok ? "app_image_generator: images written to %s\n"
                   : "app_image_generator: writing into %s failed\n",
                argv[1]);
    return ok ? 0 : 1;
}
