// The numeric readings of text on any text, and the rounding to 32 bits on
// any double: the readings agree with each other, numbers the program
// writes read back as themselves, and no conversion is undefined.
#include "FuzzCheck.h"
#include "TextNumber.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool blankOrAmpersand(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x3000) || c == u'&';
}

void checkInt32(double value)
{
    const auto n = TextNumber::toInt32(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(!n);
        return;
    }
    const double r = std::nearbyint(value);
    FUZZ_CHECK(n.has_value() == (r >= -2147483648.0 && r <= 2147483647.0));
    if (!n)
        return;
    FUZZ_CHECK(double(*n) == r);
    FUZZ_CHECK(std::fabs(value - double(*n)) <= 0.5);
    // A half goes to the even neighbour.
    if (std::fabs(value - double(*n)) == 0.5)
        FUZZ_CHECK(*n % 2 == 0);
}

void checkText(const QString &text)
{
    const std::optional<double> parsed = TextNumber::parseNumeric(text);
    FUZZ_CHECK(TextNumber::isNumeric(text) == parsed.has_value());
    const double leading = TextNumber::leadingNumber(text);
    const double score = TextNumber::scoreValue(text);
    FUZZ_CHECK(!std::isnan(leading) && !std::isnan(score));
    if (parsed) {
        FUZZ_CHECK(!std::isnan(*parsed));
        // A whole number is also the leading number of its text.
        FUZZ_CHECK(leading == *parsed);
        checkInt32(*parsed);
    }
    // Without blanks or "&", a score reads as the leading number does.
    bool plain = true;
    for (QChar c : text)
        plain = plain && !blankOrAmpersand(c);
    if (plain)
        FUZZ_CHECK(score == leading);
    // Blanks around a whole number change nothing.
    if (parsed) {
        const auto padded = TextNumber::parseNumeric(QStringLiteral(" \t") + text + QStringLiteral("\u3000\r\n"));
        FUZZ_CHECK(padded && *padded == *parsed);
    }
    checkInt32(leading);
    checkInt32(score);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    checkText(fuzzText(data, size));

    if (size >= 8) {
        double d = 0;
        std::memcpy(&d, data, 8);
        checkInt32(d);
        if (std::isfinite(d)) {
            // A double written with 17 significant digits reads back as itself.
            const QString text = QString::number(d, 'g', 17);
            const auto back = TextNumber::parseNumeric(text);
            FUZZ_CHECK(back && *back == d);
            FUZZ_CHECK(TextNumber::leadingNumber(text) == d);
            FUZZ_CHECK(TextNumber::scoreValue(text) == d);
        }
        std::int32_t i = 0;
        std::memcpy(&i, data, 4);
        // A score as the program writes it reads back as itself.
        const QString scoreText = QString::number(i);
        FUZZ_CHECK(TextNumber::scoreValue(scoreText) == double(i));
        FUZZ_CHECK(TextNumber::toInt32(TextNumber::scoreValue(scoreText)) == i);
        FUZZ_CHECK(TextNumber::parseNumeric(scoreText) == double(i));
    }
    return 0;
}
