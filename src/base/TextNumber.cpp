#include "TextNumber.h"

#include <QString>
#include <cmath>
#include <limits>

namespace TextNumber {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x3000);
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the decimal number that starts at text[pos], 0 when none does.
// The exponent belongs to the number only when it has at least one digit.
qsizetype decimalLength(QStringView text, qsizetype pos)
{
    qsizetype i = pos;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i - pos;
}

double toDouble(QStringView digits)
{
    bool ok = false;
    const double v = digits.toString().toDouble(&ok);
    if (ok)
        return v;
    // toDouble refuses values beyond the double range. Qt still gives the
    // infinity for them, which a digits-only text of some hundreds of
    // characters needs: read as 0 it would pass for a small number.
    if (std::isinf(v))
        return v;
    if (digits.contains(u'E') || digits.contains(u'e')) {
        const bool negative = digits.startsWith(u'-');
        const qsizetype e = std::max(digits.indexOf(u'E'), digits.indexOf(u'e'));
        const bool tinyExponent = digits.mid(e + 1).startsWith(u'-');
        if (tinyExponent)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return 0.0;
}

double radixValue(QStringView text, int radix)
{
    double value = 0;
    for (QChar c : text) {
        int d = -1;
        if (isDigit(c))
            d = c.unicode() - u'0';
        else if (radix == 16 && c.toUpper() >= u'A' && c.toUpper() <= u'F')
            d = c.toUpper().unicode() - u'A' + 10;
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const qsizetype len = decimalLength(text, pos);
    return len == 0 ? 0.0 : toDouble(text.mid(pos, len));
}

double scoreValue(QStringView text)
{
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            packed.append(c);
    if (packed.size() >= 2 && packed[0] == u'&') {
        const QChar kind = packed[1].toUpper();
        if (kind == u'H')
            return radixValue(QStringView(packed).mid(2), 16);
        if (kind == u'O')
            return radixValue(QStringView(packed).mid(2), 8);
    }
    const qsizetype len = decimalLength(packed, 0);
    return len == 0 ? 0.0 : toDouble(QStringView(packed).left(len));
}

bool isNumeric(QStringView text)
{
    return parseNumeric(text).has_value();
}

std::optional<double> parseNumeric(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;
    const qsizetype len = decimalLength(text, begin);
    if (len == 0 || begin + len != end)
        return std::nullopt;
    return toDouble(text.mid(begin, len));
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; std::round would send halves away from zero.
    return std::nearbyint(value);
}

std::optional<std::int32_t> toInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

} // namespace TextNumber
