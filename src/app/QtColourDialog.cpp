#include "QtColourDialog.h"

#include "Placement.h"

#include <QColorDialog>

std::optional<QColor> QtColourDialog::choose(const QColor &preset)
{
    // Qt's own dialog always shows the custom colour panel; a desktop's
    // native one may not. Its custom colours last for the whole run.
    QColorDialog dialog(preset, Placement::activeScreen());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}
