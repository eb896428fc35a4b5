#include "Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

namespace Fonts {

void installSubstitutions()
{
    // The IPA fonts stand in for the Windows ones, then Noto CJK where that
    // is what is installed.
    const QStringList fixed{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixed);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
    QFont::insertSubstitutions(QStringLiteral("MS P Gothic"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportional);
}

void useJapaneseDefault()
{
    // The screens were laid out on Japanese Windows, where a screen's default
    // face is the proportional Gothic; menus, captions and messages are in
    // Japanese. With the platform's Latin face as the default, every
    // Japanese text first misses its glyphs and sends Qt on a search of all
    // installed fonts for a fallback (fontconfig's sort, then a second font
    // to load): about 9 million instructions before the first screen shows.
    // Asked for by the one installed name: a family that is not installed,
    // the Windows name or a stand-in missing here, costs that same search.
    const QStringList standIns = QFont::substitutes(QStringLiteral("MS PGothic"));
    const auto installed =
        std::find_if(standIns.begin(), standIns.end(), [](const QString &family) { return QFontDatabase::hasFamily(family); });
    if (installed == standIns.end())
        return;
    QFont font = QGuiApplication::font();
    font.setFamily(*installed);
    QGuiApplication::setFont(font);
}

} // namespace Fonts
