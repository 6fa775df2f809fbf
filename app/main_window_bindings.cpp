// Every control event reaches its handler through the one dispatcher.
#include "app/main_window.h"
#include "chart/layout/point_series.h"
#include "chart/paint/plot.h"
#include "widgets/rich_pane.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace {

template <class Sender, class Signal>
void Bind(TForm1* form, Sender* sender, Signal signal, void (TForm1::*handler)())
{
    QObject::connect(sender, signal, form,
                     [form, handler] { form->Dispatch([form, handler] { (form->*handler)(); }); });
}

} // namespace

void TForm1::BindHandlers()
{
    Bind(this, NExit, &QAction::triggered, &TForm1::NExitClick);
    Bind(this, NAbout, &QAction::triggered, &TForm1::NAboutClick);
    Bind(this, NLoad, &QAction::triggered, &TForm1::NLoadClick);
    Bind(this, NSpectr, &QAction::triggered, &TForm1::NSpectrClick);
    Bind(this, NKorr, &QAction::triggered, &TForm1::NKorrClick);
    Bind(this, NGen, &QAction::triggered, &TForm1::NGenClick);
    Bind(this, Button1, &QPushButton::clicked, &TForm1::Button1Click);
    Bind(this, ButtonDataRefresh, &QPushButton::clicked, &TForm1::ButtonDataRefreshClick);
    Bind(this, ButtonXAxis, &QPushButton::clicked, &TForm1::ButtonXAxisClick);
    Bind(this, ButtonGraphPat, &QPushButton::clicked, &TForm1::ButtonGraphPatClick);
    Bind(this, ButtonStartPatKor, &QPushButton::clicked, &TForm1::ButtonStartPatKorClick);
    Bind(this, ButtonStartAutoKor, &QPushButton::clicked, &TForm1::ButtonStartAutoKorClick);
    Bind(this, CheckBoxViewF, &QCheckBox::toggled, &TForm1::CheckBoxViewFClick);
    Bind(this, CheckBoxViewPat, &QCheckBox::toggled, &TForm1::CheckBoxViewPatClick);
    Bind(this, CheckBoxViewS, &QCheckBox::toggled, &TForm1::CheckBoxViewSClick);
    Bind(this, CheckBoxViewPatKor, &QCheckBox::toggled, &TForm1::CheckBoxViewPatKorClick);
    Bind(this, RichEdit1, &TRichPane::Changed, &TForm1::RichEdit1Change);
    Bind(this, RichEdit2, &TRichPane::Changed, &TForm1::RichEdit2Change);
    // The series' clicks come from the chart's own click dispatch.
    Series2->OnClick = [this](TSeries&, int valueIndex, auto&&...) {
        Dispatch([this, valueIndex] { Series2Click(valueIndex); });
    };
    Series3->OnClick = [this](TSeries&, int valueIndex, auto&&...) {
        Dispatch([this, valueIndex] { Series3Click(valueIndex); });
    };
}
