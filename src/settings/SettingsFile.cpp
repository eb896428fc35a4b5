#include "SettingsFile.h"

#include <QList>
#include <limits>
#include <optional>

namespace SettingsFile {
namespace {

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    // Written files end lines with CR LF; lone CR or LF are read as line ends
    // too, so a file passed through another editor still reads.
    QList<QByteArray> lines;
    QByteArray current;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

std::optional<qint64> parseInteger(const QByteArray &line, qint64 min, qint64 max)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.size() > 20)
        return std::nullopt;
    qsizetype i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9')
            return std::nullopt;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return std::nullopt;
    return v;
}

std::optional<bool> parseFlag(const QByteArray &line)
{
    const QByteArray t = line.trimmed().toUpper();
    if (t == "#TRUE#")
        return true;
    if (t == "#FALSE#")
        return false;
    return std::nullopt;
}

} // namespace

QByteArray serialize(const StoredSettings &v)
{
    QByteArray out;
    out += QByteArray::number(v.foreColour) + "\r\n";
    out += QByteArray::number(v.backColour) + "\r\n";
    out += (v.fullScreenDisplay ? "#TRUE#" : "#FALSE#") + QByteArray("\r\n");
    out += (v.soundOff ? "#TRUE#" : "#FALSE#") + QByteArray("\r\n");
    out += QByteArray::number(v.maxFontSize) + "\r\n";
    return out;
}

Parsed parse(const QByteArray &bytes)
{
    const QList<QByteArray> lines = splitLines(bytes);
    const auto line = [&](int i) { return i < lines.size() ? lines[i] : QByteArray(); };
    constexpr qint64 int32Min = std::numeric_limits<std::int32_t>::min();
    constexpr qint64 int32Max = std::numeric_limits<std::int32_t>::max();

    Parsed p;
    if (auto v = parseInteger(line(0), int32Min, int32Max))
        p.values.foreColour = std::int32_t(*v);
    else
        ++p.unreadable;
    if (auto v = parseInteger(line(1), int32Min, int32Max))
        p.values.backColour = std::int32_t(*v);
    else
        ++p.unreadable;
    if (auto v = parseFlag(line(2)))
        p.values.fullScreenDisplay = *v;
    else
        ++p.unreadable;
    if (auto v = parseFlag(line(3)))
        p.values.soundOff = *v;
    else
        ++p.unreadable;
    if (auto v = parseInteger(line(4), std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()))
        p.values.maxFontSize = std::int16_t(*v);
    else
        ++p.unreadable;
    return p;
}

} // namespace SettingsFile
