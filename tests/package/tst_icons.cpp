#include <QImageReader>
#include <QPainter>
#include <QTest>

namespace {

QString resource(const QString &name)
{
    return QStringLiteral(WERTUNGSBRETT_RESOURCES "/") + name;
}

// The picture on white at size x size, as a desktop shows it.
QImage onWhite(const QImage &picture, int size)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of pixels whose colour is plainly another, say red against black.
qreal otherColours(const QImage &a, const QImage &b)
{
    int other = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                          qAbs(qBlue(p) - qBlue(q))}) > 128)
                ++other;
        }
    }
    return qreal(other) / (a.width() * a.height());
}

} // namespace

// The program icon's pictures made by `make icons`: the hicolor sizes drawn
// from the scalable design show the hand-drawn 32 x 32 picture, and the
// Windows icon holds the three 32 x 32 pictures unchanged, in their order.
class tst_Icons : public QObject
{
    Q_OBJECT

private slots:
    void hicolor_data();
    void hicolor();
    void windowsIcon();
};

void tst_Icons::hicolor_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

// Compared at the smaller of the two sizes: the edges of the scalable design
// are smoothed where the pixel picture has steps, but a wrong colour, picture
// or a squashed disc changes far more than the 8 % allowed (the black and
// white picture differs in 12 %, a disc at three quarters height in 20 %).
void tst_Icons::hicolor()
{
    QFETCH(int, size);
    const QImage icon(
        resource(u"hicolor/%1x%1/apps/%2.png"_qs.arg(size).arg(QStringLiteral(WERTUNGSBRETT_ID))));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // the corners lie outside the disc

    const int compared = std::min(size, 32);
    const qreal other = otherColours(onWhite(icon, compared),
                                     onWhite(QImage(resource(u"icon-color.xpm"_qs)), compared));
    QVERIFY2(other <= 0.08, qPrintable(u"%1 % of the pixels differ"_qs.arg(other * 100)));
}

void tst_Icons::windowsIcon()
{
    const QStringList pictures = {resource(u"icon-color.xpm"_qs), resource(u"icon-mono.xpm"_qs),
                                  resource(u"icon-green.xpm"_qs)};
    QImageReader reader(resource(u"wertungsbrett.ico"_qs), "ico");
    QCOMPARE(reader.imageCount(), pictures.size());
    for (const QString &picture : pictures) {
        const QImage shown = reader.read();
        QVERIFY2(!shown.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 QImage(picture).convertToFormat(QImage::Format_ARGB32));
        reader.jumpToNextImage();
    }
}

QTEST_GUILESS_MAIN(tst_Icons)
#include "tst_icons.moc"
