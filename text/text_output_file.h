#pragma once
// A text file written through a buffer with CR LF line ends, checked after
// every statement: each operation below does its work, writes a character
// device out at once, then runs the I/O check, which raises EInOutError for a
// pending error code (and clears it). A disk file is written a whole buffer at
// a time, on a thread of its own (TBackgroundWriter) while the next buffer
// fills, so a write error surfaces at the statement that fills the buffer after
// it, or at the close: always before the close has succeeded. Texts made
// whole beforehand go to that thread as they are (WriteTexts), without the
// copy into the buffer.
//
// The name is used exactly as given (a relative one against the current
// directory when the file is opened), so a caller can write a temporary file
// and rename it over its target once every statement has succeeded.
//
// Error codes are the Windows ones (text/os_error.h); 103 is "file not open"
// and 105 "file not open for output".
#include "text/background_writer.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TextOutputFile {
public:
    // 64 KB: one system call per 64 KB of a table, not per 128 bytes (a
    // ten-million-row table of 20 bytes a row is 3,000 calls, not 1.6 million).
    static constexpr size_t kBufferSize = 65536;

    TextOutputFile() = default;
    ~TextOutputFile();
    TextOutputFile(const TextOutputFile&) = delete;
    TextOutputFile& operator=(const TextOutputFile&) = delete;

    // Sets the file name (a local 8-bit path); the state becomes closed.
    void Assign(std::string name);
    // Creates the file or empties an existing one; write access, others may
    // read it meanwhile but a second writer is refused (code 32).
    void Rewrite();
    void Write(std::string_view text) { Statement(text.data(), text.size()); }
    void WriteChar(char c) { Statement(&c, 1); }
    void WriteLineEnd() { Statement("\r\n", 2); }
    // The texts one after another, as a Write of each would put them. A disk
    // file takes them as one statement: it keeps them and writes them on its
    // writer's thread while the caller makes the next ones, after waiting for
    // what it was writing (whose error this statement raises). Gives back the
    // texts of the call before, written by now, for the caller to fill again;
    // for a device or a file that is not open, the texts given.
    std::vector<std::string> WriteTexts(std::vector<std::string> texts);
    // Writes out the buffer and closes the file.
    void Close();

    const std::string& Name() const { return name_; }
    bool IsOpen() const { return fd_ >= 0; }
    int PendingError() const { return pending_; }

    // The I/O check: raises EInOutError(message, code) for a pending code.
    void Check();
    // The check's message for a code: "File not found", ..., "I/O error %d".
    static std::string MessageFor(int code);

private:
    // One write statement: appends the bytes, then the step after it. Inline
    // for the common case, bytes that fit the buffer of an open disk file
    // without filling it while no code is pending: nothing reaches the file
    // and no error can arise, so the check has nothing to do.
    void Statement(const char* bytes, size_t n)
    {
        if (fd_ >= 0 && !device_ && pending_ == 0 && n < kBufferSize - used_) {
            std::memcpy(buffer_.get() + used_, bytes, n);
            used_ += n;
            return;
        }
        Append(bytes, n);
        EndStatement();
    }
    void Append(const char* bytes, size_t n);
    void FlushBuffer();
    // Waits for the buffer in flight, if any, and ends its writer.
    void StopWriter();
    // The step after every statement: devices are written at once, then the check.
    void EndStatement();
    void Fail(int err);

    std::string name_;
    int fd_ = -1;
    bool device_ = false;
    int pending_ = 0;
    std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kBufferSize);
    // For a regular file: the buffer being written meanwhile, and its writer.
    std::unique_ptr<char[]> spare_;
    std::unique_ptr<TBackgroundWriter> writer_;
    std::vector<std::string> held_; // the texts the writer may still be writing
    size_t used_ = 0;
};
