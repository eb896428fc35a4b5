#pragma once

#include <QByteArray>
#include <cstdint>

// The five stored settings and their text form: five CR LF lines of ASCII,
// integers in decimal, flags as "#TRUE#" / "#FALSE#".
namespace SettingsFile {

struct Values
{
    std::int32_t foreColor = 65280;
    std::int32_t backColor = 0;
    bool maxDisplayOn = false;
    bool soundOff = false;
    std::int16_t maxFontSize = 0;

    bool operator==(const Values &) const = default;
};

constexpr Values Defaults{};

QByteArray serialize(const Values &values);

struct Parsed
{
    Values values;
    int unreadable = 0; // how many of the five fell back to their default
};

// Reads what it can; every value that is missing or does not parse as its
// type (or does not fit it) takes its default and is counted.
Parsed parse(const QByteArray &bytes);

} // namespace SettingsFile
