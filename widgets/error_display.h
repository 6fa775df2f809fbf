#pragma once
// The application's error display: every error escaping an event handler ends
// up here, as a modal critical message box titled ApplicationTitle().
#include "runtime/exceptions.h"

#include <functional>
#include <string>

// The program file's name without its extension, lower case with a capital
// first letter ("dftscope" gives "Dftscope"), in Windows-1251.
std::string ApplicationTitle();

void ShowError(const Exception& error);
void ShowError(const std::string& message);

// Where the display goes; the default shows the message box. Tests install a
// recorder so that no modal box blocks them. Returns the previous sink.
using ErrorSink = std::function<void(const std::string& text, const std::string& title)>;
ErrorSink SetErrorSink(ErrorSink sink);
