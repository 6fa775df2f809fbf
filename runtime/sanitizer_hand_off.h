#pragma once
// oneTBB hands work to its threads and takes it back inside its own library,
// which is not built with ThreadSanitizer, so that sanitizer cannot see those
// hand-offs and would take everything the work reads or writes for a race
// with its caller. The pool tells it of them: the caller releases once the
// work is ready to start and acquires once it has ended (or thrown); each
// piece of the work acquires before it reads anything and releases when it
// ends. The two addresses are the program's own, not one per piece of work,
// because a piece must acquire before it reads where its work is; so a piece
// follows every earlier start, but never another piece (unless that piece
// handed work on itself), and a race between two pieces is still seen.
// Nothing in other builds.
#ifdef __SANITIZE_THREAD__
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace hand_off {

#ifdef __SANITIZE_THREAD__
inline char started = 0; // only the addresses are used
inline char ended = 0;
// The caller, when the work is ready to start.
inline void Start() { __tsan_release(&started); }
// A piece of the work, first and last.
inline void Begin() { __tsan_acquire(&started); }
inline void End() { __tsan_release(&ended); }
// The caller, once the work has ended or thrown.
inline void Finish() { __tsan_acquire(&ended); }
#else
inline void Start() { }
inline void Begin() { }
inline void End() { }
inline void Finish() { }
#endif

// Begin and End around a piece, End also when it throws.
struct TPiece {
    TPiece() { Begin(); }
    ~TPiece() { End(); }
    TPiece(const TPiece&) = delete;
    TPiece& operator=(const TPiece&) = delete;
};

// Finish after the caller's wait, also when it throws.
struct TWait {
    TWait() = default;
    ~TWait() { Finish(); }
    TWait(const TWait&) = delete;
    TWait& operator=(const TWait&) = delete;
};

} // namespace hand_off
