// The option menu commands of Module1 and the showing of the settings.
#include "ColorRef.h"
#include "FormRegistry.h"
#include "Module1.h"

#include <QAction>
#include <QLabel>
#include <QWidget>

namespace Module1 {
namespace {

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

void ChooseForeColor() {}
void ChooseBackColor() {}
void ToggleMaxDisplay() {}
void ToggleSound() {}
void ResetSettings() {}
void CalibrateMaxFontSize() {}
void SetColorDialogHook(ColorDialogHook) {}

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
