#pragma once
// The progress display a long computation drives (the window's progress bar);
// plain code and tests use it without a widget.
class TProgress {
public:
    virtual ~TProgress() = default;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
};

// Ignores everything: for callers that show no progress.
class TNoProgress final : public TProgress {
public:
    void SetMaximum(int) override { }
    void SetPosition(int) override { }
};
