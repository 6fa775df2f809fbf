#include "app/long_run.h"

#include "numbers/float_model.h"
#include "runtime/worker_pool.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace {

// How often the window's thread looks at a running step: the bar and the
// dialog move at this pace.
constexpr int kLookMilliseconds = 40;
// A step no worker has taken up by then runs on the window's thread (a pool
// limited to one thread has no worker to spare).
constexpr auto kUntakenStep = std::chrono::milliseconds(200);

// A 0..0 range would turn a bar into a busy indicator; an empty parse must
// leave it still and empty.
int BarMaximum(int maximum) { return std::max(maximum, 1); }

// User input, which a running step holds back from the window.
bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

TRunProgress::TRunProgress(QProgressBar* bar) : bar_(bar) { }

void TRunProgress::SetMaximum(int maximum)
{
    maximum_ = maximum;
    if (QThread::currentThread() == bar_->thread())
        bar_->setMaximum(BarMaximum(maximum));
}

void TRunProgress::SetPosition(int position)
{
    position_ = position;
    if (QThread::currentThread() == bar_->thread())
        bar_->setValue(position);
}

void TRunProgress::Show()
{
    bar_->setMaximum(BarMaximum(maximum_));
    bar_->setValue(position_);
}

TLongRun::TLongRun(QWidget& window, TRunProgress& progress) : window_(window), progress_(progress) { }

TLongRun::~TLongRun() = default;

void TLongRun::BeginCommand()
{
    if (commandDepth_++ > 0)
        return;
    commandStart_ = std::chrono::steady_clock::now();
    progress_.ForgetStop();
}

void TLongRun::EndCommand()
{
    if (--commandDepth_ > 0)
        return;
    CloseDialog();
}

void TLongRun::CloseDialog() { dialog_.reset(); }

void TLongRun::Step(const char* phaseUtf8, const std::function<void()>& work)
{
    const QString phase = QString::fromUtf8(phaseUtf8);
    const auto stepStart = std::chrono::steady_clock::now();
    // A step outside a command (a test calling a handler) counts from itself.
    const auto dialogTime = (commandDepth_ > 0 ? commandStart_ : stepStart) + DialogDelay;
    QEventLoop loop;
    std::mutex endLock;
    std::condition_variable endSignal;
    std::atomic<bool> taken = false;
    bool ended = false; // under endLock
    const auto end = [&] {
        {
            const std::lock_guard<std::mutex> lock(endLock);
            ended = true;
        }
        endSignal.notify_one();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };
    const auto hasEnded = [&] {
        const std::lock_guard<std::mutex> lock(endLock);
        return ended;
    };
    TBackgroundTask task(TCallerShare::Waits);
    task.Run([&] {
        taken = true;
        // The window's thread cleared its own fault flags; this one clears its.
        ClearFpFaults();
        try {
            work();
        } catch (...) {
            ResetFpMode();
            end();
            throw;
        }
        end();
    });
    // Until the dialog is due the window waits as it always did, painting
    // nothing but its progress bar, so a short command looks as before.
    bool untaken = false;
    {
        std::unique_lock<std::mutex> lock(endLock);
        while (!ended && std::chrono::steady_clock::now() < dialogTime) {
            endSignal.wait_for(lock, std::chrono::milliseconds(kLookMilliseconds));
            progress_.Show();
            if (!taken && std::chrono::steady_clock::now() - stepStart > kUntakenStep) {
                untaken = true;
                break;
            }
        }
    }
    if (!hasEnded() && !untaken) {
        // Then the event loop runs: the window paints, the dialog shows, and
        // the window's input is held back.
        QTimer look;
        look.setInterval(kLookMilliseconds);
        QObject::connect(&look, &QTimer::timeout, &loop, [&] {
            if (!taken && std::chrono::steady_clock::now() - stepStart > kUntakenStep) {
                loop.quit();
                return;
            }
            progress_.Show();
            Update(phase);
            if (WhileRunning)
                WhileRunning();
        });
        qApp->installEventFilter(this);
        stepRunning_ = true;
        Update(phase);
        look.start();
        if (!hasEnded())
            loop.exec();
        look.stop();
        qApp->removeEventFilter(this);
        stepRunning_ = false;
    }
    // A step no worker took runs here.
    try {
        task.Wait();
    } catch (...) {
        progress_.Show();
        throw;
    }
    progress_.Show();
}

void TLongRun::Update(const QString& phase)
{
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(&window_);
        dialog_->setWindowTitle(window_.windowTitle());
        dialog_->setCancelButtonText(QString::fromUtf8("Отмена"));
        // Shown and closed here only: it neither shows itself after its own
        // delay nor hides itself at the end of its range.
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->setMinimumDuration(0);
        dialog_->setWindowModality(Qt::WindowModal);
        // Wide enough for the window's title and the longest phase.
        dialog_->setMinimumWidth(dialog_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
        // «Отмена», Escape or the close box: the step stops at its next
        // cancellation point; the dialog stays until the command ends.
        const auto stop = [this] {
            progress_.AskStop();
            if (dialog_ != nullptr)
                dialog_->setLabelText(QString::fromUtf8("Остановка…"));
        };
        QObject::disconnect(dialog_.get(), &QProgressDialog::canceled, dialog_.get(), &QProgressDialog::cancel);
        QObject::connect(dialog_.get(), &QProgressDialog::canceled, this, stop);
        dialog_->show();
    }
    if (!progress_.StopAsked())
        dialog_->setLabelText(phase);
    dialog_->setMaximum(BarMaximum(progress_.Maximum()));
    dialog_->setValue(std::min(progress_.Position(), dialog_->maximum()));
}

bool TLongRun::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsInput(event->type()))
        return false;
    // Input to the dialog passes; input to the window waits for nothing and is
    // dropped, so no command starts and no pane changes while a step runs.
    for (QObject* o = watched; o != nullptr; o = o->parent()) {
        if (dialog_ != nullptr && o == dialog_.get())
            return false;
        if (o == &window_)
            return true;
    }
    return false;
}
