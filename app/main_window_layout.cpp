// The window's control tree, geometry, captions and menu, as designed at 96 dpi.
#include "app/chart_config.h"
#include "app/main_window.h"
#include "chart/paint/plot.h"
#include "widgets/design_look.h"
#include "widgets/rich_pane.h"
#include "widgets/scroll_column.h"
#include "widgets/status_panels.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W>
W* Place(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, int left, int top, const char* caption)
{
    auto* label = new QLabel(U(caption), parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The label names its edit box: screen readers announce the box by the
// label's caption rather than by the group's.
QLineEdit* MakeEdit(QLabel* label, int left, int top, int width, const char* text, bool tabStop)
{
    auto* edit = Place(new QLineEdit(U(text), label->parentWidget()), left, top, width, 21);
    label->setBuddy(edit);
    if (!tabStop)
        edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QCheckBox* MakeCheck(QWidget* parent, int left, int top, int width, const char* caption, bool tabStop)
{
    auto* box = Place(new QCheckBox(U(caption), parent), left, top, width, 17);
    box->setChecked(true);
    if (!tabStop)
        box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QPushButton* MakeButton(QWidget* parent, int left, int top, int width, int height, const char* caption)
{
    return Place(new QPushButton(U(caption), parent), left, top, width, height);
}

QGroupBox* MakeGroup(QWidget* parent, int left, int top, int width, int height, const char* caption)
{
    return Place(new QGroupBox(U(caption), parent), left, top, width, height);
}

// A panel with a one-pixel bevel (lowered unless told otherwise); aligned
// children start right inside the bevel. Its children are laid out by the caller.
QFrame* MakePanel(QWidget* parent, QFrame::Shadow shadow = QFrame::Sunken)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    return panel;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A panel that shows only its centred caption (the two pane headings).
QLabel* MakeCaptionPanel(QWidget* parent, const char* caption)
{
    auto* panel = new QLabel(U(caption), parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedHeight(32);
    return panel;
}

// A column of aligned children inside the owner's bevel (a panel's frame is
// its contents margin already) and `margin` more pixels.
QVBoxLayout* Column(QWidget* owner, int margin)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

} // namespace

void TForm1::CreateLayout()
{
    UseDesignStyle();
    setWindowTitle(U("Discrete Fourier Transform"));
    const QFont font = CaptionFont(11);
    setFont(font);
    setGeometry(191, 122, 1043, 730);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    // ---- the parameter panel, 210 px wide whatever the window's size ----
    // Lower than the design's 647 px the column scrolls inside the panel, so
    // that the lower groups never slide over the upper ones; the panel then
    // widens by the scroll bar.
    PanelLeft = MakePanel(client);
    PanelLeft->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    row->addWidget(PanelLeft);
    auto* parameters = new QWidget;
    auto* leftColumn = Column(parameters, 0);
    PanelF = new QWidget(parameters);
    PanelF->setMinimumHeight(383);
    PanelSpectr = new QWidget(parameters);
    PanelSpectr->setFixedHeight(264);
    leftColumn->addWidget(PanelF, 1);
    leftColumn->addWidget(PanelSpectr, 0);
    Column(PanelLeft, 0)->addWidget(new TScrollColumn(parameters, 208, 383 + 264, PanelLeft));

    GroupBox1 = MakeGroup(PanelF, 8, 176, 193, 73, "Ось X :");
    Label7 = MakeLabel(GroupBox1, 16, 20, "Значений :");
    CheckBoxAutoX = MakeCheck(GroupBox1, 13, 46, 73, "Auto/Max", true);
    EditMaxX = MakeEdit(Label7, 96, 16, 72, "100", true);
    ButtonXAxis = MakeButton(GroupBox1, 96, 44, 72, 21, "Применить");

    GroupBox2 = MakeGroup(PanelF, 8, 8, 193, 97, "Данные:");
    Label1 = MakeLabel(GroupBox2, 8, 24, "Скорость потока (Hz):");
    Label3 = MakeLabel(GroupBox2, 83, 47, "ADC:");
    EditScaleX = MakeEdit(Label1, 123, 21, 46, "1", true);
    EditADC = MakeEdit(Label3, 124, 42, 45, "100", false);
    CheckBoxViewF = MakeCheck(GroupBox2, 9, 69, 160, "Показать график данных", false);

    ButtonDataRefresh = MakeButton(PanelF, 9, 250, 191, 23, "Старт");
    ButtonDataRefresh->setFocusPolicy(Qt::ClickFocus);

    GroupBox3 = MakeGroup(PanelF, 8, 104, 193, 73, "Спектр данных:");
    Label4 = MakeLabel(GroupBox3, 7, 20, "Количество гармоник:");
    Label2 = MakeLabel(GroupBox3, 8, 44, "Нулевая гармоника:");
    EditKmax = MakeEdit(Label4, 130, 13, 41, "32", false);
    CheckBoxH0 = MakeCheck(GroupBox3, 125, 44, 60, "Убрать", false);

    GroupBox5 = MakeGroup(PanelF, 8, 280, 193, 97, "Образ:");
    Label8 = MakeLabel(GroupBox5, 83, 15, "ADC:");
    EditADCpat = MakeEdit(Label8, 124, 10, 45, "100", false);
    CheckBoxViewPat = MakeCheck(GroupBox5, 9, 40, 168, "Показать график образа", false);
    ButtonGraphPat = MakeButton(GroupBox5, 8, 64, 169, 21, "Построить график");

    GroupBox4 = MakeGroup(PanelSpectr, 8, 96, 193, 161, "Автокорреляционные параметры:");
    Label5 = MakeLabel(GroupBox4, 7, 26, "Начало образца:");
    Label6 = MakeLabel(GroupBox4, 7, 50, "Размер образца:");
    Label9 = MakeLabel(GroupBox4, 32, 80, "Корреляция Пирсона (%)");
    EditStartPattern = MakeEdit(Label5, 104, 21, 41, "0", false);
    EditWidthPattern = MakeEdit(Label6, 104, 45, 41, "100", false);
    ButtonStartAutoKor = MakeButton(GroupBox4, 32, 98, 129, 21, " Старт");
    CheckBoxViewS = MakeCheck(GroupBox4, 9, 128, 176, "Показать график корреляции", false);

    GroupBox6 = MakeGroup(PanelSpectr, 8, 0, 193, 97, "Корреляционные параметры:");
    RadioButton1 = Place(new QRadioButton(U("Корреляция Пирсона (%)"), GroupBox6), 8, 24, 153, 17);
    RadioButton1->setChecked(true);
    CheckBoxViewPatKor = MakeCheck(GroupBox6, 9, 72, 176, "Показать график корреляции", false);
    ButtonStartPatKor = MakeButton(GroupBox6, 24, 48, 129, 21, "Старт");

    // ---- charts in the middle, panes on the right, a 3 px splitter between ----
    SplitterRight = new QSplitter(Qt::Horizontal, client);
    SplitterRight->setHandleWidth(3);
    SplitterRight->setChildrenCollapsible(false);
    row->addWidget(SplitterRight, 1);

    PanelMain = MakePanel(SplitterRight);
    auto* mainGrid = new QGridLayout(PanelMain);
    mainGrid->setContentsMargins(0, 0, 0, 0);
    auto* makerCaption = new QLabel(U("Dorvin"), PanelMain);
    makerCaption->setAlignment(Qt::AlignCenter);
    makerCaption->setFont(CaptionFont(32));
    SetTextColour(makerCaption, Qt::gray);
    mainGrid->addWidget(makerCaption, 0, 0);

    PanelProc = new QFrame(PanelMain);
    static_cast<QFrame*>(PanelProc)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mainGrid->addWidget(PanelProc, 0, 0);
    PanelChart = new QFrame(PanelMain);
    static_cast<QFrame*>(PanelChart)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mainGrid->addWidget(PanelChart, 0, 0);
    auto* chartColumn = Column(PanelChart, 0);
    ChartF = new TPlot(PanelChart);
    ChartF->setObjectName(QStringLiteral("ChartF"));
    ChartSpectr = new TPlot(PanelChart);
    ChartSpectr->setObjectName(QStringLiteral("ChartSpectr"));
    ChartSpectr->setFixedHeight(264);
    // The smallest window still shows both charts with their axes.
    ChartF->setMinimumSize(240, 160);
    ChartSpectr->setMinimumWidth(240);
    chartColumn->addWidget(ChartF, 1);
    chartColumn->addWidget(ChartSpectr, 0);
    Series1 = ConfigureSpectrumChart(*ChartSpectr);
    const DataChartSeries dataSeries = ConfigureDataChart(*ChartF);
    Series2 = dataSeries.Series2;
    Series3 = dataSeries.Series3;
    Series4 = dataSeries.Series4;

    // The about panel floats above the charts, outside the grid, hidden at start;
    // it paints its own button-face background, or the charts would show through.
    PanelAbout = MakePanel(PanelMain, QFrame::Raised);
    PanelAbout->setGeometry(180, 148, 273, 189);
    PanelAbout->setBackgroundRole(QPalette::Button);
    PanelAbout->setAutoFillBackground(true);
    PanelAbout->setFont(CaptionFont(13));
    SetTextColour(PanelAbout, Qt::black);
    Memo1 = Place(new QPlainTextEdit(PanelAbout), 20, 16, 233, 125);
    Button1 = MakeButton(PanelAbout, 116, 148, 75, 25, "Закрыть");
    PanelAbout->hide();

    PanelRight = MakePanel(SplitterRight);
    auto* rightColumn = Column(PanelRight, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, PanelRight);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    ProgressBar1 = new QProgressBar(PanelRight);
    ProgressBar1->setFixedHeight(24);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    rightColumn->addWidget(Splitter1, 1);
    rightColumn->addWidget(ProgressBar1, 0);

    Panel1 = new QWidget(Splitter1);
    auto* dataColumn = Column(Panel1, 1);
    Panel4 = MakeCaptionPanel(Panel1, "Данные");
    RichEdit1 = new TRichPane(Panel1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    Panel4->setBuddy(RichEdit1);
    dataColumn->addWidget(Panel4);
    dataColumn->addWidget(RichEdit1, 1);

    Panel2 = new QWidget(Splitter1);
    auto* patternColumn = Column(Panel2, 1);
    Panel3 = MakeCaptionPanel(Panel2, "Образ");
    RichEdit2 = new TRichPane(Panel2);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    Panel3->setBuddy(RichEdit2);
    patternColumn->addWidget(Panel3);
    patternColumn->addWidget(RichEdit2, 1);
    // Initial lines of the layout; start-up clears them.
    RichEdit1->SetText("RichEdit1");
    RichEdit2->SetText("RichEdit2");

    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel2);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({80, 80});

    SplitterRight->addWidget(PanelMain);
    SplitterRight->addWidget(PanelRight);
    SplitterRight->setStretchFactor(0, 1);
    SplitterRight->setStretchFactor(1, 0);
    SplitterRight->setSizes({649, 165});

    // ---- status bar: four panels, the last one to the right edge ----
    StatusBar1 = new TStatusPanels({150, 150, 250, 50}, this);
    StatusBar1->setFixedHeight(23);
    setStatusBar(StatusBar1);
}

void TForm1::CreateMenu()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(U("&Файл"));
    NFile = file->menuAction();
    NLoad = file->addAction(U("Загрузить данные"));
    NLoadPat = file->addAction(U("Загрузить образ"));
    file->addSeparator();
    NSave = file->addAction(U("Сохранить"));
    NSave->setVisible(false);
    QMenu* exportMenu = file->addMenu(U("Экспорт"));
    N1 = exportMenu->menuAction();
    NSpectr = exportMenu->addAction(U("Спектр"));
    NKorr = exportMenu->addAction(U("Корреляция"));
    NExit = file->addAction(U("Выход"));
    QMenu* tools = bar->addMenu(U("&Инструменты"));
    N3 = tools->menuAction();
    NGen = tools->addAction(U("Генератор данных"));
    NAbout = bar->addAction(U("&О программе"));
}
