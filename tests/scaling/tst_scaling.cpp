#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The window as layoutprobe shows it at one scale.
struct Shot
{
    QStringList lines; // "name x y width height" in device-independent pixels
    QMap<QString, QRect> places;
    QImage picture; // device pixels
};

// Two colours differ by this much in some channel before a pixel counts as
// part of a line: the faintest line the style draws, the frame of a group
// box, stands 24 above its background.
constexpr int Contrast = 16;

int difference(QRgb a, QRgb b)
{
    return std::max(
        {qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

QRect scaled(const QRect &rect, int scale)
{
    return {rect.topLeft() * scale, rect.size() * scale};
}

// The rectangle drawn around `around`, found in the picture: from `margin`
// pixels outside the middle of each side, inward to the first pixel that
// stands out from the background there.
QRect drawnOutline(const QImage &picture, const QRect &around, int margin)
{
    const QPoint middle = around.center();
    const auto scan = [&](QPoint at, QPoint step) {
        const QRgb background = picture.pixel(at);
        while (at != middle && difference(picture.pixel(at), background) < Contrast)
            at += step;
        return at;
    };
    return QRect(QPoint(scan({around.left() - margin, middle.y()}, {1, 0}).x(),
                        scan({middle.x(), around.top() - margin}, {0, 1}).y()),
                 QPoint(scan({around.right() + margin, middle.y()}, {-1, 0}).x(),
                        scan({middle.x(), around.bottom() + margin}, {0, -1}).y()));
}

// Where the tool button shows its 16 x 16 picture: in the middle.
QRect pictureIn(const QRect &button)
{
    const QSize size(16, 16);
    return {button.topLeft() +
                QPoint(button.width() - size.width(), button.height() - size.height()) / 2,
            size};
}

// The picture as the window should show it: on the toolbar's background,
// each pixel a block of scale x scale.
QImage expectedPicture(const QImage &picture, int scale, QRgb background)
{
    QImage expected(picture.size() * scale, QImage::Format_RGB32);
    expected.fill(background);
    QPainter painter(&expected);
    painter.drawImage(expected.rect(), picture);
    return expected;
}

// Where two pictures first differ, as text; empty if they are the same.
QString firstDifference(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return u"%1 x %2 pixels shown, %3 x %4 expected"_qs.arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y))
                return u"pixel (%1, %2) is #%3, expected #%4"_qs.arg(x)
                    .arg(y)
                    .arg(shown.pixel(x, y) & 0xffffff, 6, 16, QChar(u'0'))
                    .arg(expected.pixel(x, y) & 0xffffff, 6, 16, QChar(u'0'));
        }
    }
    return {};
}

// The smallest rectangle holding every pixel of `within` that `counts`.
template <typename Counts>
QRect boundingBox(const QImage &image, const QRect &within, Counts counts)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (counts(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

// The main window at 100 %, 125 %, 150 % and 200 % (QT_SCALE_FACTOR), each
// shown by layoutprobe in a process of its own: the layout keeps every
// control where it is at 100 %, the picture shows frames and buttons where
// the layout puts them, and the toolbar pictures stay sharp, or where the
// scale is no whole number, at least undistorted.
class tst_Scaling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutKept_data();
    void layoutKept();
    void framesAndButtonsInPicture_data();
    void framesAndButtonsInPicture();
    void toolbarPicturesSharp_data();
    void toolbarPicturesSharp();
    void toolbarPicturesUndistorted_data();
    void toolbarPicturesUndistorted();

private:
    void toolbarPictures_data(const QList<qreal> &scales) const;

    QMap<qreal, Shot> shots;
};

void tst_Scaling::initTestCase()
{
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        QTemporaryDir folder;
        const QString file = folder.filePath(u"window.png"_qs);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        environment.insert(u"QT_SCALE_FACTOR"_qs, QString::number(scale));
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(QStringLiteral(LAYOUTPROBE), {file});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);

        Shot &shot = shots[scale];
        shot.lines =
            QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : std::as_const(shot.lines)) {
            const QStringList fields = line.split(u' ');
            QCOMPARE(fields.size(), 5);
            shot.places[fields[0]] =
                QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(), fields[4].toInt());
        }
        QVERIFY(shot.picture.load(file));
        QVERIFY(shot.places.contains(u"frmMain"_qs));
    }
}

void tst_Scaling::layoutKept_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void tst_Scaling::layoutKept()
{
    QFETCH(qreal, scale);
    const Shot &shot = shots[scale];
    QCOMPARE(shot.lines, shots[1.0].lines);
    // The window is drawn with all the screen's pixels, not enlarged afterwards.
    QCOMPARE(shot.picture.size(), (QSizeF(shot.places[u"frmMain"_qs].size()) * scale).toSize());
}

void tst_Scaling::framesAndButtonsInPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("layout"); // at 100 %, in the window below its menu bar
    // A group box's frame line lies under its title, where the font puts it,
    // and the style draws it up to a pixel inside the box: its top side is
    // not compared, its others within that pixel.
    QTest::addColumn<bool>("frame");
    QTest::addColumn<int>("scale");
    for (const int scale : {1, 2}) {
        const auto row = [scale](const char *name, QRect layout, bool frame) {
            QTest::addRow("%s %d %%", name, scale * 100)
                << QString::fromLatin1(name) << layout << frame << scale;
        };
        row("fraKandidaten", {8, 32, 233, 145}, true);
        row("fraPunktestand", {8, 184, 233, 121}, true);
        row("cmdPlus", {24, 144, 57, 25}, false);
        row("cmdMinus", {88, 144, 57, 25}, false);
        row("cmdLoeschen", {160, 144, 65, 25}, false);
        row("cmdCopyPunktestandToClipboard", {24, 272, 201, 25}, false);
    }
}

void tst_Scaling::framesAndButtonsInPicture()
{
    QFETCH(QString, name);
    QFETCH(QRect, layout);
    QFETCH(bool, frame);
    QFETCH(int, scale);
    const Shot &shot = shots[scale];
    const QRect expected =
        scaled(layout.translated(shot.places[u"centralwidget"_qs].topLeft()), scale);
    const QRect drawn = drawnOutline(shot.picture, expected, 3 * scale);
    const QString report = QStringLiteral("drawn at (%1, %2)-(%3, %4), layout (%5, %6)-(%7, %8)")
                               .arg(drawn.left())
                               .arg(drawn.top())
                               .arg(drawn.right())
                               .arg(drawn.bottom())
                               .arg(expected.left())
                               .arg(expected.top())
                               .arg(expected.right())
                               .arg(expected.bottom());
    const int inset = frame ? scale : 0;
    const auto within = [inset](int insideBy) { return insideBy >= 0 && insideBy <= inset; };
    QVERIFY2(within(drawn.left() - expected.left()), qPrintable(report));
    QVERIFY2(within(expected.right() - drawn.right()), qPrintable(report));
    QVERIFY2(within(expected.bottom() - drawn.bottom()), qPrintable(report));
    if (!frame)
        QVERIFY2(drawn.top() == expected.top(), qPrintable(report));
}

void tst_Scaling::toolbarPictures_data(const QList<qreal> &scales) const
{
    QTest::addColumn<QRect>("button");
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<qreal>("scale");
    for (const qreal scale : scales) {
        const auto row = [this, scale](const char *name, int place) {
            QTest::addRow("%s %d %%", name, qRound(scale * 100))
                << shots[scale].places.value(u"tbToolBar/QToolButton#%1"_qs.arg(place))
                << QImage(u"%1/%2.xpm"_qs.arg(QStringLiteral(WERTUNGSBRETT_RESOURCES),
                                              QLatin1String(name)))
                << scale;
        };
        row("new", 0);
        row("cut", 1);
        row("copy", 2);
        row("paste", 3);
    }
}

void tst_Scaling::toolbarPicturesSharp_data()
{
    toolbarPictures_data({1.0, 2.0});
}

// Each pixel of the picture becomes a sharp block of scale x scale pixels,
// with nothing blurred, cut off or moved.
void tst_Scaling::toolbarPicturesSharp()
{
    QFETCH(QRect, button);
    QFETCH(QImage, picture);
    QFETCH(qreal, scale);
    const QImage &window = shots[scale].picture;
    const int factor = int(scale);
    const QImage shown =
        window.copy(scaled(pictureIn(button), factor)).convertToFormat(QImage::Format_RGB32);
    const QRgb background = window.pixel(button.topLeft() * factor);
    const QString mismatch = firstDifference(shown, expectedPicture(picture, factor, background));
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_Scaling::toolbarPicturesUndistorted_data()
{
    toolbarPictures_data({1.25, 1.5});
}

// Between whole pixels a picture is smoothed, but it covers what it covers at
// 100 %, enlarged by the scale in both directions, give or take a pixel.
void tst_Scaling::toolbarPicturesUndistorted()
{
    QFETCH(QRect, button);
    QFETCH(QImage, picture);
    QFETCH(qreal, scale);
    const QImage &window = shots[scale].picture;
    const QRect opaque =
        boundingBox(picture, picture.rect(), [](QRgb pixel) { return qAlpha(pixel) != 0; });
    const QRectF covered(opaque.translated(pictureIn(button).topLeft()));
    const QRectF expected(covered.topLeft() * scale, covered.size() * scale);

    const QRect search =
        QRectF(QPointF(button.topLeft()) * scale, QSizeF(button.size()) * scale).toAlignedRect();
    const QRgb background = window.pixel(search.topLeft());
    const QRectF found(boundingBox(window, search, [background](QRgb pixel) {
        return difference(pixel, background) >= Contrast;
    }));
    const auto close = [](qreal a, qreal b) { return qAbs(a - b) <= 1.0; };
    QVERIFY2(close(found.left(), expected.left()) && close(found.right(), expected.right()) &&
                 close(found.top(), expected.top()) && close(found.bottom(), expected.bottom()),
             qPrintable(u"drawn in %1,%2 %3x%4, expected %5,%6 %7x%8"_qs.arg(found.x())
                            .arg(found.y())
                            .arg(found.width())
                            .arg(found.height())
                            .arg(expected.x())
                            .arg(expected.y())
                            .arg(expected.width())
                            .arg(expected.height())));
}

QTEST_GUILESS_MAIN(tst_Scaling)
#include "tst_scaling.moc"
