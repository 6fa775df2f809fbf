#pragma once
// An edit box's integer as the handlers read it: the box keeps what was
// typed, and a text that does not convert gives the handler's fallback.
#include <cstdint>

class QLineEdit;

int32_t BoxInteger(const QLineEdit* box, int32_t fallback);
