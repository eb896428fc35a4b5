#pragma once

#include <QColor>
#include <optional>

// Where the player picks a colour. The program asks Qt's dialog
// (QtColourDialog); tests answer with a colour of their own.
class ColourDialog
{
public:
    virtual ~ColourDialog() = default;
    // Starts on the given colour; the colour chosen, or nullopt when cancelled.
    virtual std::optional<QColor> choose(const QColor &preset) = 0;
};
