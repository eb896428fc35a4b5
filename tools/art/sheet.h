#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct SheetRow
{
    QString name;
    QImage normal; // 1x
    QImage hiDpi; // 2x, may be null
};

// Every picture zoomed up with hard pixels, on black and on a grey button
// face, 1x and 2x side by side at the same apparent size.
QImage contactSheet(const std::vector<SheetRow> &rows);
