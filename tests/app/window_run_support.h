#pragma once
// Helpers of the spectrum, correlation and curve window tests: fill a pane,
// set an edit box, press a button the way the user does.
#include "app_test_support.h"

#include "chart/layout/point_series.h"
#include "numbers/float_model.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "widgets/rich_pane.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

inline void SetEdit(QLineEdit* edit, const char* utf8) { edit->setText(QString::fromUtf8(utf8)); }

// One sample per line, CR LF separated.
inline std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Runs the data group's "Старт" on the given pane text with scale A.
inline void RunSpectrum(TForm1& form, const std::string& pane, const char* adc = "1",
                        const char* harmonics = "4")
{
    form.RichEdit1->SetText(pane);
    SetEdit(form.EditADC, adc);
    SetEdit(form.EditKmax, harmonics);
    form.ButtonDataRefresh->click();
}

inline void PlotPattern(TForm1& form, const std::string& pane, const char* adc = "1")
{
    form.RichEdit2->SetText(pane);
    SetEdit(form.EditADCpat, adc);
    form.ButtonGraphPat->click();
}

// Status panel 1 after a parse: the mean, then A times the mean cut to an integer.
inline std::string MeanPanel(double mean, int adc)
{
    return Cp("Среднее: ") + GeneralText(mean, 4, 4) + " / " +
        IntegerText(Trunc(static_cast<long double>(adc) * mean));
}

inline std::vector<double> YValues(const TSeries& series)
{
    std::vector<double> ys;
    for (int i = 0; i < series.PointCount(); ++i)
        ys.push_back(series.YValueAt(i));
    return ys;
}

inline std::vector<double> XValues(const TSeries& series)
{
    std::vector<double> xs;
    for (int i = 0; i < series.PointCount(); ++i)
        xs.push_back(series.XValueAt(i));
    return xs;
}
