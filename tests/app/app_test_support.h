#pragma once
// Shared helpers of the window tests.
#include "app/main_window.h"
#include "numbers/locale_separators.h"
#include "runtime/code_page.h"
#include "widgets/error_display.h"

#include <memory>
#include <string>
#include <vector>

struct ShownError {
    std::string text;
    std::string title;
};
// Every error the display showed since the last ClearShownErrors().
std::vector<ShownError>& ShownErrors();
inline void ClearShownErrors() { ShownErrors().clear(); }

// A fresh window as the program creates it, with "." and "," as separators.
inline std::unique_ptr<TForm1> MakeForm()
{
    SetLocaleSeparators('.', ',');
    ClearShownErrors();
    return std::make_unique<TForm1>();
}
