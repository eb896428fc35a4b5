#pragma once

#include "SharedState.h"

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Work shared by several screens, and the program-wide state record.
namespace Module1 {

SharedState &State();

// ---- Message boxes -------------------------------------------------------
// Every message box of the program goes through MsgBox, so that tests can
// answer them through one responder.
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };
struct MsgBoxCall
{
    QString text;
    QString title;
    MsgButtons buttons;
};
using MsgResponder = std::function<MsgAnswer(const MsgBoxCall &)>;

MsgAnswer MsgBox(const QString &text, const QString &title, MsgButtons buttons = MsgButtons::Ok);
void SetMsgResponder(MsgResponder responder); // empty: real message boxes

// ---- Program directory and screen ----------------------------------------
QString ProgramDir();
void SetProgramDir(const QString &dir); // empty: the executable's directory
QString ProgramPath(const QString &relative);

// Where the settings file and DATA/ live: beside the executable when that
// directory can be written (the build directory, an unpacked copy), else the
// user's data directory (an installed copy).
QString DataDir();
QString DataPath(const QString &relative);
void SetUserDataDirForTests(const QString &dir); // empty: the standard place

double ScreenWidth();  // twips, of the screen the game is on
double ScreenHeight(); // twips
void SetScreenSizeForTests(double widthTwips, double heightTwips); // 0, 0: the real screen

void InstallFontSubstitutions();

// ---- Screens, placement and exit -----------------------------------------
QWidget *ActiveForm();
void NoteActiveMainScreen(QWidget *form);
void PlaceAtActiveForm(QWidget *form);
void CenterOnActiveForm(QWidget *form);
void UnloadAllForms();
void ExitApplication();

// ---- Settings file -------------------------------------------------------
void SetDefaultSettings();
void EnsureSettingsFile();
void ReadSettingsFile();
bool WriteSettingsFile();

// ---- Option commands -----------------------------------------------------
void ApplyColors(const QString &formName);
void ChooseForeColor();
void ChooseBackColor();
void ToggleMaxDisplay();
void ToggleSound();
void ResetSettings();
void ConfirmSaveSettings();
void CalibrateMaxFontSize();
// The colour dialog: starts on the given colour, returns the colour chosen
// or nullopt when cancelled. Replaceable for tests.
using ColorDialogHook = std::function<std::optional<QColor>(const QColor &preset)>;
void SetColorDialogHook(ColorDialogHook hook);

// ---- Ranking files -------------------------------------------------------
void EnsureRankingFiles();
bool WriteDefaultRanking();
void ResetRanking();

// ---- Help ----------------------------------------------------------------
void ShowAbout();
void OpenReadMe();
void ShellOpen(const QString &target);
using ShellHook = std::function<void(const QString &target)>;
void SetShellHook(ShellHook hook);

// ---- Tests ---------------------------------------------------------------
// Back to the state of a fresh start: the record, the seams, the remembered
// file failures.
void ResetForTests();
namespace detail {
void resetSettingsFileState();
void resetRankingFileState();
}

} // namespace Module1
