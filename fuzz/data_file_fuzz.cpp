// The data file reader: arbitrary bytes written to a file, read back for a
// pane and loaded into one, against a plain line-break conversion and split.
#include "fuzz/fuzz_bytes.h"
#include "text/pane_text.h"
#include "text/text_file_reader.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One file per process, rewritten for every input.
const std::string& FilePath()
{
    static const std::string path = [] {
        char name[] = "/tmp/dftscope_fuzz_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::FILE* f = std::fopen(FilePath().c_str(), "wb");
        FUZZ_CHECK(f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fclose(f) == 0);
    }
    std::string read = ReadFileForPane(FilePath());
    FUZZ_CHECK(read == bytes);

    // Every CR LF, lone CR and lone LF becomes one CR LF.
    std::string expected;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            expected += "\r\n";
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            expected += bytes[i];
        }
    }
    TPaneText pane;
    pane.LoadBytes(std::move(read));
    FUZZ_CHECK(pane.Text() == expected);
    FUZZ_CHECK(!pane.CanUndo() && pane.SelLength() == 0);

    // Lines are the texts between breaks; a final break adds no line.
    int line = 0;
    size_t start = 0;
    for (size_t i = 0; i <= expected.size(); ++i) {
        if (i == expected.size() || expected[i] == '\r') {
            if (i == expected.size() && start == i)
                break;
            FUZZ_CHECK(line < pane.LineCount());
            FUZZ_CHECK(pane.LineView(line) == std::string_view(expected).substr(start, i - start));
            FUZZ_CHECK(pane.Line(line).size() <= size_t(TPaneText::kMaxLineRead));
            ++line;
            start = i + 2;
            ++i;
        }
    }
    FUZZ_CHECK(line == pane.LineCount());
    return 0;
}
