#include "chart/raster/stretch_tape.h"

void TStretchTape::Start(const TStretchKey& key)
{
    next_ = 0;
    if (complete_ && key == key_) {
        mode_ = Mode::Replay;
        return;
    }
    key_ = key;
    complete_ = false;
    records_.clear();
    steps_.clear();
    mode_ = Mode::Record;
}

const TStretchRecord* TStretchTape::Next(int x, const TStretchState& before)
{
    if (mode_ == Mode::Replay && next_ < records_.size() && records_[next_].X == x &&
        records_[next_].Before == before)
        return &records_[next_++];
    mode_ = Mode::Off;
    complete_ = false;
    return nullptr;
}

void TStretchTape::Record(int x, const TStretchState& before, const TStretchState& after,
                          const std::vector<TStretchStep>& steps)
{
    if (mode_ != Mode::Record)
        return;
    records_.push_back({x, before, after, steps_.size(), steps.size()});
    steps_.insert(steps_.end(), steps.begin(), steps.end());
}

void TStretchTape::Append(const TStretchTape& ahead)
{
    if (mode_ != Mode::Record)
        return;
    next_ = records_.size();
    const size_t offset = steps_.size();
    for (TStretchRecord r : ahead.records_) {
        r.FirstStep += offset;
        records_.push_back(r);
    }
    steps_.insert(steps_.end(), ahead.steps_.begin(), ahead.steps_.end());
    mode_ = Mode::Replay;
}

TStretchTape& TStretchTape::AheadTape()
{
    if (!ahead_)
        ahead_ = std::make_unique<TStretchTape>();
    return *ahead_;
}

void TStretchTape::Finish()
{
    if (mode_ == Mode::Record)
        complete_ = true;
    else if (mode_ == Mode::Replay)
        complete_ = next_ == records_.size();
    mode_ = Mode::Off;
}
