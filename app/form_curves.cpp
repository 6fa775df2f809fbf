// Curve toggles and the point read-out.
#include "app/main_window.h"

#include "chart/layout/point_series.h"
#include "chart/paint/plot.h"
#include "numbers/number_format.h"

#include <QCheckBox>

namespace {

// A checked box shows its curve: solid line and markers; unchecked hides both.
// The series stays active, keeps its points and still answers clicks.
void ShowCurve(TLineSeries& series, const QCheckBox& box)
{
    const bool shown = box.isChecked();
    series.LinePen().SetStyle(shown ? psSolid : psClear);
    series.Pointer().SetVisible(shown);
}

// "X: 17  Y:-45": the value index, then the value with up to 15 digits.
std::string ReadOutText(const TSeries& series, int valueIndex)
{
    return "X: " + IntegerText(valueIndex) + "  Y:" + GeneralText(series.YValueAt(valueIndex), 15, 0);
}

// The read-out goes to the message panel and becomes the data chart's hint.
void ShowReadOut(TForm1& form, const TSeries& series, int valueIndex)
{
    const std::string text = ReadOutText(series, valueIndex);
    form.SetPanelText(2, text);
    form.ChartF->SetHint(text);
}

} // namespace

// Both correlation boxes govern Series3; the one toggled last decides.
void TForm1::CheckBoxViewFClick() { ShowCurve(*Series2, *CheckBoxViewF); }
void TForm1::CheckBoxViewPatClick() { ShowCurve(*Series4, *CheckBoxViewPat); }
void TForm1::CheckBoxViewSClick() { ShowCurve(*Series3, *CheckBoxViewS); }
void TForm1::CheckBoxViewPatKorClick() { ShowCurve(*Series3, *CheckBoxViewPatKor); }

void TForm1::Series2Click(int valueIndex) { ShowReadOut(*this, *Series2, valueIndex); }

void TForm1::Series3Click(int valueIndex) { ShowReadOut(*this, *Series3, valueIndex); }
