// Data and pattern pane parsing and the data file load.
#include "app/main_window.h"

void TForm1::ParseDataPane() {}
void TForm1::ParsePatternPane() {}
void TForm1::NLoadClick() {}
