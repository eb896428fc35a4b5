#include "StartChoice.h"

#include "FlashRules.h"
#include "HalfWidth.h"
#include "TextNumber.h"

#include <cmath>
#include <limits>

namespace StartChoice {

IntervalReading readInterval(QStringView intervalTyped)
{
    const double seconds = TextNumber::leadingNumber(HalfWidth::fold(intervalTyped));
    // Converting a double past the float range is undefined; such a value
    // is simply too long an interval.
    const float interval = std::abs(seconds) <= std::numeric_limits<float>::max()
                               ? static_cast<float>(seconds)
                               : std::copysign(std::numeric_limits<float>::infinity(), float(seconds));
    const double ms = std::isfinite(interval) ? FlashRules::intervalMs(interval) : std::numeric_limits<double>::infinity();
    if (!(ms >= 1))
        return {interval, std::nullopt, QStringLiteral("間隔が短すぎます。0.001秒以上の値を入力してください。")};
    if (ms > std::numeric_limits<int>::max())
        return {interval, std::nullopt, QStringLiteral("間隔が長すぎます。もっと短い値を入力してください。")};
    return {interval, static_cast<int>(ms), QString()};
}

namespace {

// No interval text when the interval box plays no part in the round.
StartReading read(QStringView digitsTyped, QStringView termsTyped, std::optional<QStringView> intervalTyped)
{
    const QString digitsText = HalfWidth::fold(digitsTyped);
    const QString termsText = HalfWidth::fold(termsTyped);
    constexpr std::int32_t MaxTerms = 32765; // the tick counter must reach terms + 2
    constexpr double MaxSum = std::numeric_limits<std::int32_t>::max();

    const double digits = TextNumber::roundHalfEven(TextNumber::leadingNumber(digitsText));
    if (!(digits >= 1 && digits <= 9))
        return {std::nullopt, QStringLiteral("桁数には1から9までの数を入力してください。")};

    const double terms = TextNumber::roundHalfEven(TextNumber::leadingNumber(termsText));
    if (!(terms >= std::numeric_limits<std::int16_t>::min() && terms <= MaxTerms))
        return {std::nullopt, QStringLiteral("コマ数には32765以下の数を入力してください。")};

    TrainingChoice c;
    if (intervalTyped) {
        const IntervalReading interval = readInterval(*intervalTyped);
        if (!interval.intervalMs)
            return {std::nullopt, interval.refusal};
        c.interval = interval.interval;
        c.intervalMs = *interval.intervalMs;
    }

    if (terms > 0 && terms * (std::pow(10.0, digits) - 1) > MaxSum)
        return {std::nullopt, QStringLiteral("この桁数とコマ数では合計が大きくなりすぎます。\n"
                                             "桁数かコマ数を減らしてください。")};

    c.digits = static_cast<std::int16_t>(digits);
    c.terms = static_cast<std::int16_t>(terms);
    return {c, QString()};
}

} // namespace

StartReading readStart(QStringView digitsTyped, QStringView termsTyped, QStringView intervalTyped)
{
    return read(digitsTyped, termsTyped, intervalTyped);
}

StartReading readStartWithoutInterval(QStringView digitsTyped, QStringView termsTyped)
{
    return read(digitsTyped, termsTyped, std::nullopt);
}

} // namespace StartChoice
