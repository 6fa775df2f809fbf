#pragma once
// Progress of a long input on standard error, for a terminal only: one line,
// rewritten in place and erased when the input is done. Inputs that take less
// than half a second show nothing.
#include "runtime/progress.h"

#include <chrono>
#include <cstdio>
#include <string>

class TTerminalProgress final : public TProgress {
public:
    // Shows nothing when the stream is not a terminal, or without one.
    explicit TTerminalProgress(std::FILE* stream = nullptr);

    void Begin(const std::string& input);
    void Phase(const char* phase);
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    // Erases the line, if one was shown.
    void End();

private:
    void Draw(bool force);

    using Clock = std::chrono::steady_clock;
    std::FILE* stream_;
    bool enabled_;
    bool shown_ = false;
    std::string input_;
    const char* phase_ = "";
    int maximum_ = 0;
    int position_ = 0;
    Clock::time_point start_{};
    Clock::time_point drawn_{};
};
