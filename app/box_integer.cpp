#include "app/box_integer.h"

#include "text/edit_box.h"
#include "text/number_parse.h"

int32_t BoxInteger(const QLineEdit* box, int32_t fallback)
{
    const IntegerParse parsed = ParseInteger(EditText(box));
    return parsed.errorPosition == 0 ? parsed.value : fallback;
}
