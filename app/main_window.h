#pragma once
// The single window: every control of the layout by its name, every event
// handler, and the internal operations that work on the shared run state.
#include "app/run_state.h"
#include "dsp/tdft.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSplitter;
class QWidget;
class TAreaSeries;
class TLongRun;
class TRunProgress;
class TPlot;
class TLineSeries;
class TProgress;
class TRichPane;
class TStatusPanels;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- controls, named as in the layout ----
    QWidget* PanelLeft = nullptr;
    QWidget* PanelSpectr = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* EditStartPattern = nullptr;
    QLineEdit* EditWidthPattern = nullptr;
    QPushButton* ButtonStartAutoKor = nullptr;
    QCheckBox* CheckBoxViewS = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QCheckBox* CheckBoxViewPatKor = nullptr;
    QPushButton* ButtonStartPatKor = nullptr;
    QWidget* PanelF = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* CheckBoxAutoX = nullptr;
    QLineEdit* EditMaxX = nullptr;
    QPushButton* ButtonXAxis = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* EditScaleX = nullptr;
    QLineEdit* EditADC = nullptr;
    QCheckBox* CheckBoxViewF = nullptr;
    QPushButton* ButtonDataRefresh = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditKmax = nullptr;
    QCheckBox* CheckBoxH0 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* EditADCpat = nullptr;
    QCheckBox* CheckBoxViewPat = nullptr;
    QPushButton* ButtonGraphPat = nullptr;
    QWidget* PanelMain = nullptr;
    QWidget* PanelAbout = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QWidget* PanelProc = nullptr;
    QWidget* PanelChart = nullptr;
    TPlot* ChartSpectr = nullptr;
    TPlot* ChartF = nullptr;
    TAreaSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TLineSeries* Series3 = nullptr;
    TLineSeries* Series4 = nullptr;
    QWidget* PanelRight = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Panel4 = nullptr;
    TRichPane* RichEdit1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    TRichPane* RichEdit2 = nullptr;
    QSplitter* SplitterRight = nullptr;
    QSplitter* Splitter1 = nullptr;
    TStatusPanels* StatusBar1 = nullptr;
    QAction* NFile = nullptr;
    QAction* NLoad = nullptr;
    QAction* NLoadPat = nullptr;
    QAction* NSave = nullptr;
    QAction* N1 = nullptr;
    QAction* NSpectr = nullptr;
    QAction* NKorr = nullptr;
    QAction* NExit = nullptr;
    QAction* N3 = nullptr;
    QAction* NGen = nullptr;
    QAction* NAbout = nullptr;

    // ---- run state ----
    std::unique_ptr<TDFT> DFT;
    TRunState State;

    // ---- status bar panels 0..3 (Windows-1251 text) ----
    void SetPanelText(int index, const std::string& text);
    std::string PanelText(int index) const;
    // Panel 1: the data mean and, truncated, the mean in ADC units.
    void ShowMeanPanel();
    // The progress bar as the computations see it, from the window's thread
    // or a worker; it also carries the stop a long run's dialog asks for.
    TProgress& Progress();
    // The long work of the commands: steps on the workers, the progress dialog.
    std::unique_ptr<TLongRun> LongRun;

    // ---- event handlers (all run through Dispatch) ----
    void FormCreate();
    void FormClose();
    void NExitClick();
    void RichEdit1Change();
    void RichEdit2Change();
    void NAboutClick();
    void Button1Click();
    void NLoadClick();
    // Everything of the data load after the dialog: the file at path into the
    // data pane, its rate into EditScaleX, its header removed, the samples
    // parsed; a file dropped outside the pattern column takes the same road. Raises what the load raises, so
    // callers run it through Dispatch.
    void LoadDataFile(const QString& path);
    // A file dropped on the pattern pane: its text, header removed as a data
    // file's, replaces the pattern; the rate box and the data stay as they are.
    void LoadPatternFile(const QString& path);
    void ButtonDataRefreshClick();
    void ButtonXAxisClick();
    void ButtonGraphPatClick();
    void ButtonStartPatKorClick();
    void ButtonStartAutoKorClick();
    void CheckBoxViewFClick();
    void CheckBoxViewPatClick();
    void CheckBoxViewSClick();
    void CheckBoxViewPatKorClick();
    void Series2Click(int valueIndex);
    void Series3Click(int valueIndex);
    void NSpectrClick();
    void NKorrClick();
    void NGenClick();
    // The picture menu of a chart: its picture onto the clipboard, or into a
    // PNG file chosen in ChooseImageFile.
    void ChartCopyPictureClick(TPlot& chart);
    void ChartSavePictureClick(TPlot& chart);

    // ---- internal operations on the run state ----
    void ParseDataPane();
    void ParsePatternPane();
    void BuildTables();
    void QuantizeData();
    void ComputeSpectrum();
    void QuantizePattern();
    void CorrelatePattern();
    void CorrelateWindow();
    void ExportTable(int kind);

    // Runs one event handler: an Exception, std::bad_alloc or any other
    // std::exception escaping it ends the handler and is shown by ShowError;
    // the program goes on. A handler stopped by the user shows «Остановлено»
    // in panel 2 instead. While one handler's long work runs, others are ignored.
    void Dispatch(const std::function<void()>& handler);

    // The file dialog of the data load; tests replace it to answer it programmatically.
    // Returns the chosen path (UTF-8/local form) or an empty string when cancelled.
    std::function<QString(const QString& initialFolder)> ChooseDataFile;
    // The folder the program was started from, with a final separator.
    QString StartFolder;
    // The save dialog of a chart picture, likewise: the chosen path or empty.
    std::function<QString(const QString& initialFolder)> ChooseImageFile;
    // Opens the maker's page in the browser; tests replace it.
    std::function<void(const QString& url)> OpenBrowser;

    bool BuffersFreed() const { return buffersFreed_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateLayout();
    void CreateMenu();
    void BindHandlers();
    void BindKeys();
    void AcceptFileDrops();
    void BindChartPictures();

    std::unique_ptr<TRunProgress> progress_;
    bool closeAfterRun_ = false;
    bool buffersFreed_ = false;
};
