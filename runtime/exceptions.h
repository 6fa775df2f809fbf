#pragma once
// The error classes every layer raises. Messages are Windows-1251 byte strings,
// exactly as the user sees them (ShowError adds the final "." itself).
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) { }
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define DFT_EXCEPTION(Name, Base)                                                                            \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    };

// Floating-point faults.
DFT_EXCEPTION(EMathError, Exception)
DFT_EXCEPTION(EInvalidOp, EMathError)
DFT_EXCEPTION(EZeroDivide, EMathError)
DFT_EXCEPTION(EOverflow, EMathError)
// Integer division by zero.
DFT_EXCEPTION(EIntError, Exception)
DFT_EXCEPTION(EDivByZero, EIntError)
DFT_EXCEPTION(EConvertError, Exception)
// Streams and files.
DFT_EXCEPTION(EStreamError, Exception)
DFT_EXCEPTION(EFileStreamError, EStreamError)
DFT_EXCEPTION(EFOpenError, EFileStreamError)
DFT_EXCEPTION(EReadError, EStreamError)
DFT_EXCEPTION(EWriteError, EStreamError)
DFT_EXCEPTION(EOutOfResources, Exception)
// "List index out of bounds (%d)" of the chart's lists.
DFT_EXCEPTION(EListError, Exception)
// Axis range setters refusing an inverted range.
DFT_EXCEPTION(EChartAxisError, Exception)
// A long computation stopped at a cancellation point because the user asked.
DFT_EXCEPTION(ERunStopped, Exception)

#undef DFT_EXCEPTION

// The I/O check's error: carries the pending error code it was raised for.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) { }
    int ErrorCode;
};

// Raised by the list classes for an index outside 0..count-1.
[[noreturn]] void RaiseListIndexError(long long index);

// The text an error is shown with: a "." is appended when the message is not
// empty and its last byte is greater than "." (letters, digits, ...).
std::string ErrorDisplayText(const std::string& message);
