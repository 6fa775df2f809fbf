// Pattern plot and the two correlation commands.
#include "app/main_window.h"

void TForm1::ButtonGraphPatClick() {}
void TForm1::QuantizePattern() {}
void TForm1::ButtonStartPatKorClick() {}
void TForm1::ButtonStartAutoKorClick() {}
void TForm1::CorrelatePattern() {}
void TForm1::CorrelateWindow() {}
