// Unpacks pictures of resources/art into the pixels a screen holds, for the
// pictures the first screen shows: decoding a PNG (inflating it, undoing its
// row filters) was the largest cost of the game's own before its first
// window is painted. Each output file is a header of four 32-bit words in
// this machine's byte order (width, height, bytes per line, QImage format)
// followed by the rows, in the format a raster pixmap keeps: premultiplied
// ARGB32 for a picture with transparency, RGB32 for one without, so that
// the game draws them from its own memory as they are (Artwork); the PNGs
// stay the source. Made by the build on the machine it builds for, since
// the words and the pixels are in that machine's byte order.
//   unpack_art OUTPUT_FOLDER PICTURE.png...
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: unpack_art OUTPUT_FOLDER PICTURE.png...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        QImage image(source, "png");
        if (image.isNull()) {
            std::fprintf(stderr, "unpack_art: cannot read %s\n", argv[i]);
            return 1;
        }
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        const quint32 header[] = {quint32(image.width()), quint32(image.height()), quint32(image.bytesPerLine()), quint32(image.format())};
        QFile out(folder + u'/' + QFileInfo(source).completeBaseName() + QStringLiteral(".pixels"));
        if (!out.open(QIODevice::WriteOnly) || out.write(reinterpret_cast<const char *>(header), sizeof header) != qint64(sizeof header)
            || out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes() || !out.flush()) {
            std::fprintf(stderr, "unpack_art: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
