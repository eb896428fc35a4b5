#include "Fonts.h"

#include <QFont>
#include <QStringList>

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

} // namespace Fonts
