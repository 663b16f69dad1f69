// Draws at build time the pictures derived from the hand-editable sources,
// so that only the sources are kept:
//   iconmaker png DESIGN.svg SIZE OUT.png   one hicolor size of the scalable design
//   iconmaker double PICTURE.xpm OUT.xpm    a picture at twice the size, each pixel
//                                           a 2 x 2 block: sharp at 200 % scaling
//   iconmaker ico OUT.ico PICTURE...        a Windows icon holding the pictures
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool writePng(const QString &design, int size, const QString &out)
{
    QSvgRenderer renderer(design);
    if (!renderer.isValid() || size <= 0)
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(out, "PNG");
}

bool writeDouble(const QString &picture, const QString &out)
{
    // Qt's XPM writer keeps transparency only from 32-bit pictures.
    const QImage image = QImage(picture).convertToFormat(QImage::Format_ARGB32);
    return !image.isNull() &&
           image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
               .save(out, "XPM");
}

// An icon entry as Windows has always read it: a 32-bit bitmap whose header
// counts twice the height, the colour rows followed by the transparency mask,
// both bottom-up, mask rows padded to four bytes.
QByteArray bitmapEntry(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();
    const int maskStride = (width + 31) / 32 * 4;
    QByteArray entry;
    QDataStream out(&entry, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(32)
        << quint32(0) << quint32(width * height * 4 + maskStride * height) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), int(mask.size()));
    }
    return entry;
}

bool writeIco(const QString &out, const QStringList &pictures)
{
    QList<QImage> images;
    for (const QString &file : pictures) {
        const QImage image(file);
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            return false;
        images << image;
    }
    QList<QByteArray> entries;
    for (const QImage &image : images)
        entries << bitmapEntry(image);

    QFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream ico(&file);
    ico.setByteOrder(QDataStream::LittleEndian);
    ico << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        // 0 stands for 256; no palette, one plane, 32 bits a pixel
        ico << quint8(images[i].width() % 256) << quint8(images[i].height() % 256) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size()) << offset;
        offset += entries[i].size();
    }
    for (const QByteArray &entry : entries)
        ico.writeRawData(entry.constData(), int(entry.size()));
    return file.flush() && ico.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString command = args.value(0);
    bool done;
    if (command == u"png" && args.size() == 4)
        done = writePng(args[1], args[2].toInt(), args[3]);
    else if (command == u"double" && args.size() == 3)
        done = writeDouble(args[1], args[2]);
    else if (command == u"ico" && args.size() >= 3)
        done = writeIco(args[1], args.mid(2));
    else {
        std::fputs("usage: iconmaker png DESIGN.svg SIZE OUT.png\n"
                   "       iconmaker double PICTURE.xpm OUT.xpm\n"
                   "       iconmaker ico OUT.ico PICTURE...\n",
                   stderr);
        return 2;
    }
    if (done)
        return 0;
    const QString out = command == u"ico" ? args[1] : args.last();
    std::fprintf(stderr, "iconmaker: cannot make %s\n", qPrintable(out));
    return 1;
}
