#pragma once

#include "ColourDialog.h"

// Qt's colour dialog over the screen the player is on.
class QtColourDialog final : public ColourDialog
{
public:
    std::optional<QColor> choose(const QColor &preset) override;
};
