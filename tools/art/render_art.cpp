// Paints every picture the game shows, from scratch, with QPainter, at 1x
// and 2x. Run with QT_QPA_PLATFORM=offscreen:
//   render_art <outdir> [--sheet <png> [--only <prefix,...>]]
// The optional sheet puts the pictures side by side, zoomed, on black and on
// a grey button face, for checking by eye; --only keeps it to the pictures
// whose names start with one of the prefixes.

#include "brush.h"
#include "emblems.h"
#include "mask.h"
#include "pngfile.h"
#include "sheet.h"
#include "wordmark.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Draw = std::function<QImage(QSize logical, qreal scale)>;

struct Picture
{
    QString name;
    QSize size;
    Draw draw;
    bool hiDpi = true;
};

QImage onBlack(const QImage &art)
{
    QImage out(art.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter(&out).drawImage(0, 0, art);
    return out;
}

// Bright title lettering with a deep green shadow; the title sits on black.
Ink titleInk(qreal depth)
{
    Ink ink;
    ink.rim = QColor(2, 20, 6, 235);
    ink.rimWidth = 0.55 * depth;
    ink.top = QColor(214, 255, 170);
    ink.bottom = QColor(34, 158, 62);
    ink.gloss = QColor(255, 255, 240, 170);
    ink.glossDepth = 0.8 * depth;
    ink.shadow = QColor(20, 90, 40, 200);
    ink.shadowOffset = QPointF(depth, depth);
    return ink;
}

// Dark ink with a pale rim, for pictures above a grey button's caption.
Ink buttonInk()
{
    Ink ink;
    ink.rim = QColor(250, 255, 244, 180);
    ink.rimWidth = 0.8;
    ink.top = QColor(36, 110, 50);
    ink.bottom = QColor(6, 40, 16);
    return ink;
}

// Light lettering for black screens; the dark rim keeps it readable if it
// ever lands on something lighter.
Ink wordInk(QColor top, QColor bottom)
{
    Ink ink;
    ink.rim = QColor(0, 0, 0, 210);
    ink.rimWidth = 1.0;
    ink.top = top;
    ink.bottom = bottom;
    return ink;
}

Ink greenWords()
{
    return wordInk(QColor(246, 255, 240), QColor(140, 226, 130));
}
Ink goldWords()
{
    return wordInk(QColor(255, 250, 214), QColor(236, 190, 72));
}

// `depth` sizes the rim, light and shadow to the lettering.
Draw title(bool swoosh, qreal inset, qreal depth)
{
    return [=](QSize logical, qreal scale) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(logical)).adjusted(inset, inset, -inset, -inset);
        const Wordmark w = plumenoWordmark(box, swoosh);
        return onBlack(inkFigure(w.body, titleInk(depth), logical, scale, &w.dry));
    };
}

Draw letters(Lettering l, Ink ink)
{
    return [=](QSize logical, qreal scale) {
        const Figure f = letterFigure(l, QRectF(QPointF(0, 0), QSizeF(logical)));
        return inkFigure(f, ink, logical, scale);
    };
}

// Kanji on buttons: Mincho already has the thick-and-thin of a brush; a
// short diagonal nib softens its hard serifs into brush marks.
Draw buttonWord(const QString &text)
{
    Lettering l;
    l.text = text;
    l.family = QStringLiteral("IPAMincho");
    l.nib = QPointF(1, 0);
    l.margin = 1.2;
    l.hinted = true;
    l.reference = QStringLiteral("練");
    return letters(l, buttonInk());
}

// Words of the training screen share one glyph size so they line up.
Draw screenWord(const QString &text, const Ink &ink, qreal em = 19)
{
    Lettering l;
    l.text = text;
    l.family = QStringLiteral("IPAMincho");
    l.nib = QPointF(1, 0);
    l.margin = 1.0;
    l.hinted = true;
    l.maxEm = em;
    l.reference = QStringLiteral("桁");
    return letters(l, ink);
}

Draw latin(const QString &text, bool italic, qreal slant)
{
    Lettering l;
    l.text = text;
    l.family = QStringLiteral("DejaVu Serif");
    l.bold = true;
    l.italic = italic;
    l.slant = slant;
    l.nib = QPointF(0.8, 0.6);
    l.margin = 1.2;
    l.squeeze = 0.8;
    return letters(l, goldWords());
}

std::vector<Picture> catalogue()
{
    std::vector<Picture> all;
    auto add = [&](const char *name, int w, int h, Draw d, bool hiDpi = true) {
        all.push_back({QString::fromLatin1(name), QSize(w, h), std::move(d), hiDpi});
    };

    add("title", 312, 136, title(true, 8, 2.5));
    add("title_small", 232, 59, title(false, 3, 1.5));

    add("btn_renshu", 64, 28, buttonWord(QStringLiteral("練習")));
    add("btn_chousen", 64, 28, buttonWord(QStringLiteral("挑戦")));
    add("btn_hajime", 22, 20, buttonWord(QStringLiteral("始")));
    add("btn_tsugi", 22, 20, buttonWord(QStringLiteral("次")));
    add("btn_seiseki", 40, 20, buttonWord(QStringLiteral("成績")));
    add("btn_modoru", 22, 20, buttonWord(QStringLiteral("戻")));
    add("btn_owari", 22, 20, buttonWord(QStringLiteral("終")));

    add("word_ketasu", 61, 23, screenWord(QStringLiteral("桁数："), greenWords()));
    add("word_keta", 25, 23, screenWord(QStringLiteral("桁"), greenWords()));
    add("word_komasu", 75, 23, screenWord(QStringLiteral("コマ数："), greenWords()));
    add("word_koma", 39, 23, screenWord(QStringLiteral("コマ"), greenWords()));
    add("word_kankaku", 61, 23, screenWord(QStringLiteral("間隔："), greenWords()));
    add("word_byou", 25, 21, screenWord(QStringLiteral("秒"), greenWords()));

    add("lbl_score", 101, 28, latin(QStringLiteral("SCORE:"), true, 0.08));
    add("lbl_lv", 48, 38, latin(QStringLiteral("LV."), false, 0.12));

    for (int rank = 1; rank <= 5; ++rank)
        add(qPrintable(QStringLiteral("rank%1").arg(rank)), 24, 23, [rank](QSize s, qreal k) { return drawMedal(rank, s, k); });
    add("head_rank", 49, 21, screenWord(QStringLiteral("順位"), goldWords(), 20));
    add("head_name", 49, 22, screenWord(QStringLiteral("名前"), goldWords(), 20));
    add("head_score", 49, 23, screenWord(QStringLiteral("得点"), goldWords(), 20));

    add("close_small", 16, 16, drawClose);
    add("icon", 32, 32, drawIcon);
    for (int px : {16, 48, 64, 128, 256})
        add(qPrintable(QStringLiteral("icon%1").arg(px)), px, px, drawIcon, false);
    add("hand", 32, 32, drawHand);
    return all;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: render_art <outdir> [--sheet <png>]\n");
        return 2;
    }
    // A missing font would be quietly replaced by another one, and the
    // pictures would change without anyone noticing.
    for (const char *family : {"IPAMincho", "DejaVu Serif", "DejaVu Sans"}) {
        if (QFontInfo(QFont(QString::fromLatin1(family))).family() != QLatin1String(family)) {
            std::fprintf(stderr, "font %s is not installed\n", family);
            return 1;
        }
    }

    const QDir out(args.at(0));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(0)));
        return 1;
    }

    std::vector<SheetRow> rows;
    for (const auto &pic : catalogue()) {
        SheetRow row{pic.name, pic.draw(pic.size, 1), {}};
        if (pic.hiDpi)
            row.hiDpi = pic.draw(pic.size, 2);
        const auto save = [&](const QImage &img, const QString &file) {
            if (!writePng(img, out.filePath(file))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                std::exit(1);
            }
            std::printf("%s %dx%d\n", qPrintable(file), img.width(), img.height());
        };
        save(row.normal, pic.name + QStringLiteral(".png"));
        if (pic.hiDpi)
            save(row.hiDpi, pic.name + QStringLiteral("@2x.png"));
        rows.push_back(row);
    }

    const auto option = [&](const char *flag) {
        const qsizetype at = args.indexOf(QLatin1String(flag));
        return at > 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    const QString sheet = option("--sheet");
    if (!sheet.isEmpty()) {
        const QString only = option("--only");
        if (!only.isEmpty()) {
            const QStringList prefixes = only.split(QLatin1Char(','));
            std::erase_if(rows, [&](const SheetRow &r) {
                return std::none_of(prefixes.begin(), prefixes.end(), [&](const QString &pre) { return r.name.startsWith(pre); });
            });
        }
        if (!contactSheet(rows).save(sheet))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheet));
    }
    return 0;
}
