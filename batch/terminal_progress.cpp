#include "batch/terminal_progress.h"

#include <unistd.h>

namespace {
constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRedraw = std::chrono::milliseconds(100);
} // namespace

TTerminalProgress::TTerminalProgress(std::FILE* stream)
        : stream_(stream), enabled_(stream != nullptr && ::isatty(::fileno(stream)) == 1)
{
}

void TTerminalProgress::Begin(const std::string& input)
{
    input_ = input;
    phase_ = "";
    maximum_ = position_ = 0;
    start_ = Clock::now();
}

void TTerminalProgress::Phase(const char* phase)
{
    phase_ = phase;
    maximum_ = position_ = 0;
    Draw(true);
}

void TTerminalProgress::SetMaximum(int maximum) { maximum_ = maximum; }

void TTerminalProgress::SetPosition(int position)
{
    position_ = position;
    Draw(false);
}

void TTerminalProgress::Draw(bool force)
{
    if (!enabled_)
        return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuietStart || (!force && now - drawn_ < kRedraw))
        return;
    drawn_ = now;
    shown_ = true;
    if (maximum_ > 0)
        std::fprintf(stream_, "\r%s: %s %d%%\033[K", input_.c_str(), phase_,
                     int(int64_t(position_) * 100 / maximum_));
    else
        std::fprintf(stream_, "\r%s: %s\033[K", input_.c_str(), phase_);
    std::fflush(stream_);
}

void TTerminalProgress::End()
{
    if (shown_)
        std::fputs("\r\033[K", stream_);
    shown_ = false;
}
