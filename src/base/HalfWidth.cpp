#include "HalfWidth.h"

namespace HalfWidth {

QString fold(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFF01 + 0x21));
        else if (u == 0x3000)
            c = QChar(u' ');
        else if (u == 0x2212)
            c = QChar(u'-');
    }
    return out;
}

} // namespace HalfWidth
