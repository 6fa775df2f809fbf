// Export, the test data generator and the about panel.
#include "app/main_window.h"

void TForm1::NSpectrClick() {}
void TForm1::NKorrClick() {}
void TForm1::ExportTable(int) {}
void TForm1::NGenClick() {}
void TForm1::NAboutClick() {}
void TForm1::Button1Click() {}
