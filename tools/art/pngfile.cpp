#include "pngfile.h"

#include <QSaveFile>

#include <array>
#include <cstdint>

namespace {

std::uint32_t crc32(const QByteArray &bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<std::uint8_t>(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void appendBigEndian(QByteArray &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

void appendChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

// One row, filtered with each allowed filter; the one whose bytes, read as
// signed, sum smallest wins (libpng's own heuristic).
QByteArray filteredRow(const QByteArray &row, const QByteArray &above, int bytesPerPixel)
{
    QByteArray best;
    long bestSum = -1;
    for (char filter = 0; filter <= 2; ++filter) {
        QByteArray out(row.size() + 1, Qt::Uninitialized);
        out[0] = filter;
        long sum = 0;
        for (qsizetype x = 0; x < row.size(); ++x) {
            const int left = x >= bytesPerPixel ? static_cast<std::uint8_t>(row[x - bytesPerPixel]) : 0;
            const int up = static_cast<std::uint8_t>(above[x]);
            const int predicted = filter == 1 ? left : filter == 2 ? up : 0;
            const auto value = static_cast<std::uint8_t>(static_cast<std::uint8_t>(row[x]) - predicted);
            out[x + 1] = static_cast<char>(value);
            sum += value < 128 ? value : 256 - value;
        }
        if (bestSum < 0 || sum < bestSum) {
            bestSum = sum;
            best = out;
        }
    }
    return best;
}

} // namespace

bool writePng(const QImage &image, const QString &path)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int bytesPerPixel = alpha ? 4 : 3;
    const qsizetype rowBytes = qsizetype(pixels.width()) * bytesPerPixel;

    QByteArray filtered;
    QByteArray above(rowBytes, '\0');
    for (int y = 0; y < pixels.height(); ++y) {
        const QByteArray row(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
        filtered += filteredRow(row, above, bytesPerPixel);
        above = row;
    }

    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(pixels.width()));
    appendBigEndian(header, static_cast<std::uint32_t>(pixels.height()));
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(char(0)).append(char(0)).append(char(0));
    QByteArray density;
    appendBigEndian(density, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    appendBigEndian(density, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    density.append(char(1)); // per metre

    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    appendChunk(file, "IHDR", header);
    appendChunk(file, "pHYs", density);
    appendChunk(file, "IDAT", qCompress(filtered, 9).mid(4)); // without qCompress's length prefix
    appendChunk(file, "IEND", QByteArray());

    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.commit();
}
