// SPDX-License-Identifier: MIT
#include "ImageFiles.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace artwork {

namespace {

int distance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r * 3 + g * g * 4 + bl * bl * 2;
}

// The entry of `palette` nearest to `colour`, never the one at `except`.
int nearest(const QList<QRgb>& palette, QRgb colour, int except = -1) {
    int best = -1;
    for (int i = 0; i < palette.size(); ++i)
        if (i != except &&
            (best < 0 || distance(palette[i], colour) < distance(palette[best], colour)))
            best = i;
    return best;
}

// A box of pixels' colours, split along its widest component until there are enough boxes.
struct Box {
    std::vector<QRgb> pixels;
    int widest = 0; // 0 red, 1 green, 2 blue
    int range = 0;

    static int component(QRgb c, int which) {
        return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
    }
    void measure() {
        range = -1;
        for (int which = 0; which < 3; ++which) {
            int low = 255, high = 0;
            for (QRgb p : pixels) {
                low = std::min(low, component(p, which));
                high = std::max(high, component(p, which));
            }
            if (high - low > range) {
                range = high - low;
                widest = which;
            }
        }
    }
    QRgb average() const {
        long long r = 0, g = 0, b = 0;
        for (QRgb p : pixels) {
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
        const auto n = static_cast<long long>(pixels.size());
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

QList<QRgb> medianCut(std::vector<QRgb> pixels, int colours) {
    std::vector<Box> boxes(1);
    boxes[0].pixels = std::move(pixels);
    boxes[0].measure();
    while (int(boxes.size()) < colours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.range * std::log2(double(a.pixels.size()) + 1) <
                   b.range * std::log2(double(b.pixels.size()) + 1);
        });
        if (widest->range <= 0)
            break;
        Box& box = *widest;
        const int which = box.widest;
        std::sort(box.pixels.begin(), box.pixels.end(), [which](QRgb a, QRgb b) {
            return Box::component(a, which) < Box::component(b, which);
        });
        Box upper;
        upper.pixels.assign(box.pixels.begin() + std::ptrdiff_t(box.pixels.size() / 2),
                            box.pixels.end());
        box.pixels.resize(box.pixels.size() / 2);
        box.measure();
        upper.measure();
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const Box& box : boxes)
        palette << box.average();
    return palette;
}

} // namespace

QImage withPalette(const QImage& picture, int colours, bool dither) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    for (int y = 0; y < rgb.height() && palette.size() <= colours; ++y)
        for (int x = 0; x < rgb.width() && palette.size() <= colours; ++x)
            if (!palette.contains(rgb.pixel(x, y)))
                palette << rgb.pixel(x, y);
    // The colour of the bottom-left pixel stays exact, and no other pixel takes it: it may be
    // the key colour that the program replaces by its window's.
    const QRgb key = rgb.pixel(0, rgb.height() - 1);
    int keyIndex = int(palette.indexOf(key));
    if (palette.size() > colours) {
        std::vector<QRgb> others;
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (rgb.pixel(x, y) != key)
                    others.push_back(rgb.pixel(x, y));
        palette = medianCut(std::move(others), colours - 1);
        keyIndex = int(palette.size());
        palette << key;
    }
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.fill(0); // the rows' padding too, so that the files come out the same every time
    indexed.setColorTable(palette);
    // Floyd-Steinberg: each pixel's error is passed on to the pixels not yet chosen.
    std::vector<double> error(std::size_t(rgb.width() + 2) * 2 * 3, 0.0);
    const auto at = [&](int row, int x, int c) -> double& {
        return error[(std::size_t(row % 2) * std::size_t(rgb.width() + 2) + std::size_t(x + 1)) *
                         3 +
                     std::size_t(c)];
    };
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            for (int c = 0; c < 3; ++c)
                at(y + 1, x, c) = 0;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb original = rgb.pixel(x, y);
            if (original == key) {
                indexed.setPixel(x, y, uint(keyIndex));
                continue;
            }
            const int want[3] = {qRed(original), qGreen(original), qBlue(original)};
            int wished[3];
            for (int c = 0; c < 3; ++c)
                wished[c] =
                    std::clamp(int(std::lround(want[c] + (dither ? at(y, x, c) : 0))), 0, 255);
            const int index = nearest(palette, qRgb(wished[0], wished[1], wished[2]), keyIndex);
            indexed.setPixel(x, y, uint(index));
            if (!dither)
                continue;
            const int got[3] = {qRed(palette[index]), qGreen(palette[index]),
                                qBlue(palette[index])};
            for (int c = 0; c < 3; ++c) {
                const double e = wished[c] - got[c];
                at(y, x + 1, c) += e * 7 / 16;
                at(y + 1, x - 1, c) += e * 3 / 16;
                at(y + 1, x, c) += e * 5 / 16;
                at(y + 1, x + 1, c) += e * 1 / 16;
            }
        }
    }
    return indexed;
}

// The simplest valid GIF: every pixel a literal LZW code of 9 bits, with a clear code often
// enough that the code size never grows. Qt reads GIFs but does not write them.
QByteArray gifBytes(const QImage& picture) {
    const QImage image = withPalette(picture, 256);
    QByteArray out("GIF89a");
    const auto word = [&out](int value) {
        out += char(value & 0xFF);
        out += char((value >> 8) & 0xFF);
    };
    word(image.width());
    word(image.height());
    out += char(0xF7); // a global table of 256 colours
    out += char(0);
    out += char(0);
    QList<QRgb> table = image.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    for (QRgb colour : table) {
        out += char(qRed(colour));
        out += char(qGreen(colour));
        out += char(qBlue(colour));
    }
    out += ',';
    word(0);
    word(0);
    word(image.width());
    word(image.height());
    out += char(0);
    out += char(8); // LZW minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            codes += char(bits & 0xFF);
            bits >>= 8;
            bitCount -= 8;
        }
    };
    constexpr int kClear = 256, kEnd = 257;
    int sinceClear = 0;
    put(kClear);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear == 250) {
                put(kClear);
                sinceClear = 0;
            }
            put(image.pixelIndex(x, y));
            ++sinceClear;
        }
    }
    put(kEnd);
    if (bitCount > 0)
        codes += char(bits & 0xFF);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    out += ';';
    return out;
}

// BITMAPFILEHEADER, BITMAPINFOHEADER, the palette, then the rows from the bottom up, each padded
// to four bytes with zeros. Qt writes no 4-bit BMPs, and its 8-bit ones carry whatever the
// memory held in a row's padding; these come out the same every time.
QByteArray indexedBmpBytes(const QImage& indexed, int bitsPerPixel) {
    const int colours = 1 << bitsPerPixel;
    const int rowBytes = (indexed.width() * bitsPerPixel + 31) / 32 * 4;
    const int pixelsAt = 14 + 40 + colours * 4;
    QByteArray out;
    const auto u16 = [&out](int v) {
        out += char(v & 0xFF);
        out += char((v >> 8) & 0xFF);
    };
    const auto u32 = [&](int v) {
        u16(v & 0xFFFF);
        u16((v >> 16) & 0xFFFF);
    };
    out += "BM";
    u32(pixelsAt + rowBytes * indexed.height());
    u32(0);
    u32(pixelsAt);
    u32(40);
    u32(indexed.width());
    u32(indexed.height());
    u16(1);
    u16(bitsPerPixel);
    u32(0); // no compression
    u32(rowBytes * indexed.height());
    u32(2835); // 72 dpi
    u32(2835);
    u32(colours);
    u32(colours);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out += char(qBlue(c));
        out += char(qGreen(c));
        out += char(qRed(c));
        out += char(0);
    }
    for (int y = indexed.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = indexed.pixelIndex(x, y);
            if (bitsPerPixel == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out += row;
    }
    return out;
}

QByteArray bmp4Bytes(const QImage& picture, const QList<QRgb>& palette) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            indexed.setPixel(x, y, uint(nearest(palette, rgb.pixel(x, y))));
    return indexedBmpBytes(indexed, 4);
}

QByteArray bmp8Bytes(const QImage& indexed) {
    return indexedBmpBytes(indexed, 8);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

bool saveImage(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format))
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

} // namespace artwork
