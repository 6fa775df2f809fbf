#pragma once
// The fuzzer's bytes read as the fields a target needs. Past the end every
// field is zero and every text empty, so each input, however short, is a
// valid one and a longer input only refines it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class TFuzzBytes {
public:
    TFuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) { }

    bool Empty() const { return at_ >= size_; }

    // A plain value (integer or floating point) from its raw bytes, zero-filled.
    template <class T>
    T Take()
    {
        T value{};
        unsigned char raw[sizeof(T)] = {};
        const size_t n = Available(sizeof(T));
        if (n != 0)
            std::memcpy(raw, data_ + at_, n);
        at_ += n;
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }

    // A whole number in lo .. hi from the next bytes.
    int64_t InRange(int64_t lo, int64_t hi)
    {
        const uint64_t span = uint64_t(hi) - uint64_t(lo) + 1;
        const uint64_t raw = span <= 256 ? Take<uint8_t>()
            : span <= 65536              ? Take<uint16_t>()
                                         : Take<uint64_t>();
        return span == 0 ? int64_t(raw) : int64_t(uint64_t(lo) + raw % span);
    }

    // A text of at most maxLength bytes: a length byte, then the bytes.
    std::string_view Text(size_t maxLength = 255)
    {
        const size_t wanted = Take<uint8_t>() % (maxLength + 1);
        const size_t n = Available(wanted);
        const std::string_view text(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return text;
    }

    // Everything not read yet.
    std::string_view Rest()
    {
        const size_t n = Available(size_ - std::min(at_, size_));
        const std::string_view text(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return text;
    }

private:
    size_t Available(size_t wanted) const { return at_ >= size_ ? 0 : std::min(wanted, size_ - at_); }

    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A broken expectation of a target: abort, so that the fuzzer keeps the
// input and the replay test fails.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            FuzzCheckFailed(#condition, __FILE__, __LINE__);                                                 \
    } while (0)
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
