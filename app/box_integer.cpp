#include "app/box_integer.h"

#include "input/box_values.h"
#include "widgets/edit_box.h"

int32_t BoxInteger(const QLineEdit* box, int32_t fallback)
{
    return BoxIntegerValue(EditText(box)).value_or(fallback);
}
