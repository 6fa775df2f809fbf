#pragma once
// A data file's samples without the data pane: what loading its bytes into the
// pane (line ends to CR LF), taking the rate into the rate box, removing the
// header and parsing the pane gives, computed on the bytes as read, so that a
// file of ten million lines costs no pane text, no line index and no copy.
#include "input/sample_parser.h"
#include "runtime/memory_buffer.h"
#include "runtime/progress.h"

#include <string>
#include <string_view>

struct TDataFileSamples {
    std::string rateText;  // what the rate box holds after the load
    LineParseResult parse; // the data pane parse after the header removal
};

// bytes: the file as read. The progress maximum is a thousand, the position
// the share of the bytes parsed.
TDataFileSamples ParseDataFileBytes(std::string_view bytes, TMemoryBuffer& values, TProgress& progress);
