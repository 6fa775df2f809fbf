// Curve toggles and the point read-out.
#include "app/main_window.h"

void TForm1::CheckBoxViewFClick() {}
void TForm1::CheckBoxViewPatClick() {}
void TForm1::CheckBoxViewSClick() {}
void TForm1::CheckBoxViewPatKorClick() {}
void TForm1::Series2Click(int) {}
void TForm1::Series3Click(int) {}
