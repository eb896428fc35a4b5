#include "sheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kGap = 8;
constexpr int kLabel = 110;
constexpr int kMaxShown = 520; // widest a picture may get at 4x

// Always even, so that the 2x picture has a whole zoom of its own.
int zoomFor(const QImage &img)
{
    return img.width() * 4 <= kMaxShown ? 4 : 2;
}

QImage zoomed(const QImage &img, int k)
{
    return img.scaled(img.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage contactSheet(const std::vector<SheetRow> &rows)
{
    const QColor backs[] = {Qt::black, QColor(212, 208, 200)};
    int width = 0, height = kGap;
    for (const auto &r : rows) {
        const int z = zoomFor(r.normal);
        const QSize shown = r.normal.size() * z;
        width = std::max(width, kLabel + 4 * (shown.width() + kGap));
        height += shown.height() + kGap;
    }

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 70));
    QPainter p(&sheet);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.setPen(Qt::white);

    int y = kGap;
    for (const auto &r : rows) {
        const int z = zoomFor(r.normal);
        const QSize shown = r.normal.size() * z;
        p.drawText(QRect(4, y, kLabel - 8, shown.height()), Qt::AlignLeft | Qt::AlignVCenter, r.name);
        int x = kLabel;
        for (const QColor &back : backs) {
            for (const QImage *img : {&r.normal, &r.hiDpi}) {
                p.fillRect(QRect(QPoint(x, y), shown), back);
                if (!img->isNull()) {
                    // Keep both scales the same apparent size so they compare.
                    const int k = img == &r.hiDpi ? z / 2 : z;
                    p.drawImage(x, y, zoomed(*img, k));
                }
                x += shown.width() + kGap;
            }
        }
        y += shown.height() + kGap;
    }
    return sheet;
}
