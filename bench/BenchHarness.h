#pragma once

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// A program directory with the usual files, message boxes answered with
// their default, and the modal dialogs answered as a player would.
class Program;

class BenchHarness
{
public:
    BenchHarness();
    ~BenchHarness();

    Program &program() const { return *m_program; }

    // Called when a dialog (AnswerDialog, NameDialog) opens; returns the text to type.
    std::function<QString(const QString &formName)> answer;
    // Called as a dialog shows.
    std::function<void(const QString &formName)> onDialogShown;
    // How long the player takes to answer, from the dialog's showing.
    int answerDelayMs = 0;
    // Called when a message box is shown.
    std::function<void(const QString &text)> onMessage;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Program> m_program;
    class DialogWatcher *m_watcher = nullptr;
};

// Keeps the other core busy for as long as it lives.
class BusyCore
{
public:
    BusyCore();
    ~BusyCore();

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// One clock for every timestamp of a run.
qint64 benchNowNs();
