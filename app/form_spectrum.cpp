// The spectrum run and the X axis switch.
#include "app/main_window.h"

void TForm1::ButtonDataRefreshClick() {}
void TForm1::ButtonXAxisClick() {}
void TForm1::BuildTables() {}
void TForm1::QuantizeData() {}
void TForm1::ComputeSpectrum() {}
