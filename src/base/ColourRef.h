#pragma once

#include <QColor>
#include <cstdint>

// Colours are stored as 0x00BBGGRR references (red in the low byte), the form
// the settings file keeps them in; the top byte is ignored.
namespace ColourRef {

inline QColor toQColor(std::int32_t ref)
{
    const auto v = static_cast<std::uint32_t>(ref);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

inline std::int32_t fromQColor(const QColor &c)
{
    return std::int32_t(c.red()) | (std::int32_t(c.green()) << 8) | (std::int32_t(c.blue()) << 16);
}

} // namespace ColourRef
