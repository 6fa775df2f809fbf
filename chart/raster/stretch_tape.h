#pragma once
// The column stretches of a series' last paint, kept with what they were
// worked out from, so that a paint of the same values with the same scales,
// clip and markers takes them back instead of walking millions of points
// again. Anything else starts a new recording.
#include "chart/raster/axis_scale.h"
#include "chart/raster/column_stretch.h"
#include "chart/raster/pixel_geometry.h"

#include <cstddef>
#include <memory>
#include <vector>

// Everything a walk's answers depend on.
struct TStretchKey {
    const double* Xs = nullptr;
    const double* Ys = nullptr;
    unsigned long long XChanges = 0, YChanges = 0;
    TAxisScale Horizontal, Vertical;
    TPixelRect Clip;
    int First = 0, Last = 0;
    bool Markers = false;
    int MarkerOffsetX = 0, MarkerOffsetY = 0, MarkerWidth = 0, MarkerHeight = 0;
    bool operator==(const TStretchKey&) const = default;
};

// One walk: where it started and ended, and its steps.
struct TStretchRecord {
    int X;
    TStretchState Before, After;
    size_t FirstStep, StepCount;
};

class TStretchTape {
public:
    // A paint begins: replays when the key is that of a complete recording,
    // records otherwise.
    void Start(const TStretchKey& key);
    bool Replaying() const { return mode_ == Mode::Replay; }
    // The next recorded walk when it starts in column x from `before`; null
    // otherwise, which drops the recording (the paint walks on its own).
    const TStretchRecord* Next(int x, const TStretchState& before);
    const TStretchStep* StepsOf(const TStretchRecord& r) const { return steps_.data() + r.FirstStep; }
    void Record(int x, const TStretchState& before, const TStretchState& after,
                const std::vector<TStretchStep>& steps);
    // Takes over the walks a second tape recorded ahead of this paint, over
    // the points before every point recorded here, and replays them next.
    void Append(const TStretchTape& ahead);
    // The tape a walk ahead of the paint records into, kept with this one so
    // that its storage stays from paint to paint.
    TStretchTape& AheadTape();
    // The paint is over: a recording made in full, or one whose walks
    // recorded ahead were all taken, can be replayed.
    void Finish();

private:
    enum class Mode { Off, Record, Replay };
    Mode mode_ = Mode::Off;
    bool complete_ = false;
    TStretchKey key_;
    std::vector<TStretchRecord> records_;
    std::vector<TStretchStep> steps_;
    size_t next_ = 0;
    std::unique_ptr<TStretchTape> ahead_;
};
