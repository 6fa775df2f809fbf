#pragma once
// The long work of a command. Each step runs on a worker of the pool. For
// the first second of a command the window waits for it as it always did
// (only its progress bar moves), so a short command looks as before. After
// that the window's event loop runs while the step computes: the window
// paints, but its input is held back, so nothing the step reads is changed
// and no second command starts; a modal progress dialog over the window shows
// the step's phase, a bar and «Отмена» (Escape presses it), which asks the
// step to stop at its next cancellation point. Results reach the window's
// state after the step, on the window's thread.
#include "runtime/progress.h"

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QProgressBar;
class QProgressDialog;
class QWidget;

// The progress the steps drive from a worker, and the stop request. Called on
// the window's thread it shows at once, as the bar always did; from a worker
// it is kept, and the window's thread shows it.
class TRunProgress final : public TProgress {
public:
    explicit TRunProgress(QProgressBar* bar);
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    bool StopAsked() const override { return stop_.load(std::memory_order_relaxed); }
    void AskStop() { stop_ = true; }
    void ForgetStop() { stop_ = false; }
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }
    // On the window's thread: the bar takes what the workers kept.
    void Show();

private:
    QProgressBar* bar_;
    std::atomic<int> maximum_ = 1;
    std::atomic<int> position_ = 0;
    std::atomic<bool> stop_ = false;
};

class TLongRun final : public QObject {
public:
    TLongRun(QWidget& window, TRunProgress& progress);
    ~TLongRun() override;

    // A command begins: its clock starts and an earlier stop is forgotten.
    // A handler that a command runs (a pane's change) begins nothing new.
    void BeginCommand();
    // The command has ended: the dialog, if shown, goes.
    void EndCommand();
    // The dialog goes before the error box of a command that failed.
    void CloseDialog();
    // True while a step runs; the window ignores other commands meanwhile.
    bool StepRunning() const { return stepRunning_; }
    bool CommandRunning() const { return commandDepth_ > 0; }

    // Runs work on a worker and returns when it has ended, rethrowing what it
    // threw. phaseUtf8 names it in the dialog.
    void Step(const char* phaseUtf8, const std::function<void()>& work);

    // How long a command runs before the dialog shows; tests shorten it.
    std::chrono::milliseconds DialogDelay{1000};
    // The dialog while it is shown, else null; tests press its button.
    QProgressDialog* Dialog() const { return dialog_.get(); }
    // Called on the window's thread while a step runs, after the dialog was
    // brought up to date; tests act there.
    std::function<void()> WhileRunning;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update(const QString& phase);

    QWidget& window_;
    TRunProgress& progress_;
    std::unique_ptr<QProgressDialog> dialog_;
    std::chrono::steady_clock::time_point commandStart_{};
    int commandDepth_ = 0;
    bool stepRunning_ = false;
};
