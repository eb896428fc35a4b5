#include "DeferredIcon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// The program icon decodes its pictures only when drawn; what it draws must
// be what Qt's own icon made of the same files draws, at every size and mode.
class TestDeferredIcon : public QObject
{
    Q_OBJECT
private:
    const QList<DeferredIcon::File> m_files{{QStringLiteral(":/resources/art/icon16.png"), QSize(16, 16)},
                                            {QStringLiteral(":/resources/art/icon.png"), QSize(32, 32)},
                                            {QStringLiteral(":/resources/art/icon256.png"), QSize(256, 256)}};

    static QImage painted(const QIcon &icon, const QRect &rect, QIcon::Mode mode, qreal ratio)
    {
        QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, rect, Qt::AlignCenter, mode);
        return image;
    }

private slots:
    void drawsWhatQtsOwnIconDraws_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QIcon::Mode>("mode");
        for (int side : {16, 24, 40, 100, 256, 300})
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                QTest::addRow("%d px, mode %d", side, int(mode)) << side << mode;
    }
    void drawsWhatQtsOwnIconDraws()
    {
        QFETCH(int, side);
        QFETCH(QIcon::Mode, mode);
        const QIcon deferred = DeferredIcon::make(m_files);
        QIcon reference; // Qt's own, decoding at once
        for (const DeferredIcon::File &file : m_files)
            reference.addFile(file.path, file.size);
        // Described before anything is decoded as after.
        for (QIcon::State state : {QIcon::Off, QIcon::On})
            QCOMPARE(deferred.availableSizes(mode, state), reference.availableSizes(mode, state));
        const QSize size(side, side);
        QCOMPARE(deferred.actualSize(size, mode), reference.actualSize(size, mode));
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap got = deferred.pixmap(size, ratio, mode);
            QCOMPARE(got.devicePixelRatio(), reference.pixmap(size, ratio, mode).devicePixelRatio());
            QCOMPARE(got.toImage(), reference.pixmap(size, ratio, mode).toImage());
            const QRect rect(3, 5, side, side * 3 / 4);
            QCOMPARE(painted(deferred, rect, mode, ratio), painted(reference, rect, mode, ratio));
        }
    }

    void decodesOnlyWhenFirstNeededAndCopiesChangeApart()
    {
        // A file changed after the icon was made but before it is drawn
        // shows the new picture: nothing had been read yet.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.png"));
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path));
        QVERIFY(DeferredIcon::make({}).isNull());
        QIcon icon = DeferredIcon::make({{path, QSize(8, 8)}});
        const QIcon copy = icon;
        image.fill(Qt::blue);
        QVERIFY(image.save(path));
        QCOMPARE(icon.pixmap(8).toImage().pixel(4, 4), QColor(Qt::blue).rgb());
        QVERIFY(QFile::remove(path));
        QCOMPARE(icon.pixmap(8).toImage().pixel(4, 4), QColor(Qt::blue).rgb()); // decoded once, then kept
        QPixmap green(20, 20);
        green.fill(Qt::green);
        icon.addPixmap(green);
        QCOMPARE(icon.pixmap(20).toImage().pixel(10, 10), QColor(Qt::green).rgb());
        QVERIFY(!copy.availableSizes().contains(QSize(20, 20)));
    }
};

QTEST_MAIN(TestDeferredIcon)
#include "tst_deferredicon.moc"
