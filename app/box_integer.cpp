#include "app/box_integer.h"

#include "numbers/number_parse.h"
#include "widgets/edit_box.h"

int32_t BoxInteger(const QLineEdit* box, int32_t fallback)
{
    const IntegerParse parsed = ParseInteger(EditText(box));
    return parsed.errorPosition == 0 ? parsed.value : fallback;
}
