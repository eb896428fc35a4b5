#pragma once

#include "StoredSettings.h"

#include <QByteArray>

// The text form of the stored settings: five CR LF lines of ASCII,
// integers in decimal, flags as "#TRUE#" / "#FALSE#".
namespace SettingsFile {

constexpr StoredSettings Defaults{};

QByteArray serialize(const StoredSettings &values);

struct Parsed
{
    StoredSettings values;
    int unreadable = 0; // how many of the five fell back to their default
};

// Reads what it can; every value that is missing or does not parse as its
// type (or does not fit it) takes its default and is counted.
Parsed parse(const QByteArray &bytes);

} // namespace SettingsFile
