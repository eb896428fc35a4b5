#include "Artwork.h"
#include "DeferredIcon.h"

#include <QApplication>
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
    static QList<DeferredIcon::File> programFiles()
    {
        const std::pair<const char *, int> files[] = {{"icon16", 16}, {"icon", 32},   {"icon48", 48},
                                                      {"icon64", 64}, {"icon128", 128}, {"icon256", 256}};
        QList<DeferredIcon::File> list;
        for (const auto &[name, size] : files)
            list.append({QStringLiteral(":/resources/art/%1.png").arg(QLatin1String(name)), QSize(size, size)});
        return list;
    }

    static QIcon eager(const QList<DeferredIcon::File> &files)
    {
        QIcon icon;
        for (const DeferredIcon::File &file : files)
            icon.addFile(file.path, file.size);
        return icon;
    }

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
        QTest::addColumn<int>("mode");
        for (int side : {16, 24, 32, 40, 64, 100, 256, 300})
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                QTest::addRow("%d px, mode %d", side, int(mode)) << side << int(mode);
    }
    void drawsWhatQtsOwnIconDraws()
    {
        QFETCH(int, side);
        QFETCH(int, mode);
        const QIcon deferred = DeferredIcon::make(programFiles());
        const QIcon reference = eager(programFiles());
        const QSize size(side, side);
        const auto m = QIcon::Mode(mode);
        QCOMPARE(deferred.actualSize(size, m), reference.actualSize(size, m));
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap got = deferred.pixmap(size, ratio, m);
            const QPixmap want = reference.pixmap(size, ratio, m);
            QCOMPARE(got.size(), want.size());
            QCOMPARE(got.devicePixelRatio(), want.devicePixelRatio());
            QCOMPARE(got.toImage(), want.toImage());
        }
        const QRect rect(3, 5, side, side * 3 / 4);
        for (qreal ratio : {1.0, 2.0})
            QCOMPARE(painted(deferred, rect, m, ratio), painted(reference, rect, m, ratio));
    }

    void describesItselfBeforeAndAfterDrawing()
    {
        const QIcon deferred = DeferredIcon::make(programFiles());
        const QIcon reference = eager(programFiles());
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), reference.availableSizes());
        QCOMPARE(deferred.availableSizes(QIcon::Disabled), reference.availableSizes(QIcon::Disabled));
        QCOMPARE(deferred.availableSizes(QIcon::Normal, QIcon::On), reference.availableSizes(QIcon::Normal, QIcon::On));
        deferred.pixmap(32);
        QCOMPARE(deferred.availableSizes(), reference.availableSizes());
        QVERIFY(DeferredIcon::make({}).isNull());
        QVERIFY(Artwork::programIcon().availableSizes().contains(QSize(256, 256)));
    }

    void decodesOnlyWhenFirstNeeded()
    {
        // A file changed after the icon was made but before it is drawn
        // shows the new picture: nothing had been read yet.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.png"));
        QImage red(8, 8, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path));
        const QIcon icon = DeferredIcon::make({{path, QSize(8, 8)}});
        QImage blue = red;
        blue.fill(Qt::blue);
        QVERIFY(blue.save(path));
        QCOMPARE(icon.pixmap(8).toImage().pixel(4, 4), QColor(Qt::blue).rgb());
        QVERIFY(red.save(path));
        QCOMPARE(icon.pixmap(8).toImage().pixel(4, 4), QColor(Qt::blue).rgb()); // decoded once, then kept
    }

    void copiesChangeApart()
    {
        QIcon icon = DeferredIcon::make(programFiles());
        const QIcon copy = icon;
        QPixmap green(20, 20);
        green.fill(Qt::green);
        icon.addPixmap(green);
        QVERIFY(icon.availableSizes().contains(QSize(20, 20)));
        QVERIFY(!copy.availableSizes().contains(QSize(20, 20)));
        QCOMPARE(icon.pixmap(20).toImage().pixel(10, 10), QColor(Qt::green).rgb());
    }
};

QTEST_MAIN(TestDeferredIcon)
#include "tst_deferredicon.moc"
