// The option menu commands of Module1 and the showing of the settings.
#include "ColorRef.h"
#include "FormRegistry.h"
#include "Module1.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QWidget>

namespace Module1 {
namespace {

ColorDialogHook &colorDialogHook()
{
    static ColorDialogHook hook;
    return hook;
}

void setChecks(QWidget *form)
{
    const SharedState &s = State();
    if (auto *max = form->findChild<QAction *>(QStringLiteral("IDMMax")))
        max->setChecked(s.MaxDisplayOn);
    if (auto *sound = form->findChild<QAction *>(QStringLiteral("IDMSound")))
        sound->setChecked(s.SoundOff);
}

void setColors(QWidget *w)
{
    const SharedState &s = State();
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, ColorRef::toQColor(s.ForeColorSetting));
    pal.setColor(QPalette::Window, ColorRef::toQColor(s.BackColorSetting));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->update();
}

// The commands repaint only the screen the player is using; the others take
// the settings when they are next loaded.
void applyToActiveScreen()
{
    if (QWidget *active = ActiveForm())
        ApplyColors(active->objectName());
}

std::optional<QColor> realColorDialog(const QColor &preset)
{
    // Qt's own dialog always shows the custom colour panel; a desktop's
    // native one may not. Its custom colours last for the whole run.
    QColorDialog dialog(preset, ActiveForm());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

// ChooseForeColor and ChooseBackColor differ only in the colour they change.
void chooseColor(std::int32_t SharedState::*setting)
{
    EnsureSettingsFile();
    SharedState &s = State();
    const std::int32_t remembered = s.*setting;
    const QColor preset = ColorRef::toQColor(remembered);
    const std::optional<QColor> chosen = colorDialogHook() ? colorDialogHook()(preset) : realColorDialog(preset);
    // A cancelled dialog gives back the colour it started on, so the
    // setting keeps its value exactly, whatever its unused top byte held.
    if (chosen && chosen->isValid())
        s.*setting = ColorRef::fromQColor(*chosen);

    if (s.ForeColorSetting == s.BackColorSetting) {
        const MsgAnswer answer = MsgBox(QStringLiteral("背景色と文字色が同じです。よろしいですか？"),
                                        QStringLiteral("確認"), MsgButtons::YesNo);
        if (answer == MsgAnswer::No) {
            MsgBox(QStringLiteral("キャンセルしました"), QStringLiteral("キャンセル報告"));
            s.*setting = remembered;
            return;
        }
    }
    s.SettingsChanged = true;
    applyToActiveScreen();
}

} // namespace

void ApplyColors(const QString &formName)
{
    if (formName == u"Form1" || formName == u"Form3") {
        QWidget *form = FormRegistry::openByName(formName);
        if (!form)
            return;
        if (auto *label = form->findChild<QLabel *>(QStringLiteral("Label1")))
            setColors(label);
        setChecks(form);
    } else if (formName == u"Form2") {
        if (QWidget *form = FormRegistry::openByName(formName))
            setChecks(form);
    } else if (QWidget *display = FormRegistry::open(7)) {
        setColors(display);
    }
}

void SetColorDialogHook(ColorDialogHook hook)
{
    colorDialogHook() = std::move(hook);
}

void ChooseForeColor()
{
    chooseColor(&SharedState::ForeColorSetting);
}

void ChooseBackColor()
{
    chooseColor(&SharedState::BackColorSetting);
}

void ToggleMaxDisplay()
{
    EnsureSettingsFile();
    SharedState &s = State();
    s.MaxDisplayOn = !s.MaxDisplayOn;
    applyToActiveScreen();
    // Only switching on measures the screen; switching off keeps the size
    // found last, which is saved with the settings.
    if (s.MaxDisplayOn)
        CalibrateMaxFontSize();
    s.SettingsChanged = true;
}

void ToggleSound()
{
    EnsureSettingsFile();
    SharedState &s = State();
    s.SoundOff = !s.SoundOff;
    applyToActiveScreen();
    s.SettingsChanged = true;
}

void ResetSettings()
{
    EnsureSettingsFile();
    const MsgAnswer answer =
        MsgBox(QStringLiteral("設定を初期化します。よろしいですか？"), QStringLiteral("確認"), MsgButtons::YesNo);
    if (answer == MsgAnswer::No) {
        MsgBox(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
        return;
    }
    // Memory only: the file keeps the old values unless they are saved on exit.
    SetDefaultSettings();
    applyToActiveScreen();
    MsgBox(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
    State().SettingsChanged = true;
}

void ConfirmSaveSettings()
{
    if (!State().SettingsChanged)
        return;
    const MsgAnswer answer = MsgBox(QStringLiteral("設定が変更されています。保存しますか？"), QStringLiteral("確認"),
                                    MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        if (WriteSettingsFile())
            MsgBox(QStringLiteral("保存しました。"), QStringLiteral("保存報告"));
        else
            MsgBox(QStringLiteral("設定ファイルに書き込めませんでした。\n設定は保存されていません。"),
                   QStringLiteral("確認"));
    } else {
        MsgBox(QStringLiteral("保存しませんでした。"), QStringLiteral("キャンセル報告"));
    }
}

} // namespace Module1
