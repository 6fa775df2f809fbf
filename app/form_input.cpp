// Data and pattern pane parsing and the data file load.
#include "app/main_window.h"

#include "input/bad_line_mark.h"
#include "input/data_file_header.h"
#include "input/sample_parser.h"
#include "runtime/code_page.h"
#include "widgets/edit_box.h"
#include "numbers/float_model.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "widgets/rich_pane.h"
#include "text/text_file_reader.h"
#include "widgets/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The hourglass for the length of a parse, taken down on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Focuses the pane and selects the first occurrence of the bad line's
// character at the reported position.
void MarkBadCharacter(TRichPane* pane, int badLine, int errorPosition)
{
    pane->FocusPane();
    pane->SelectAll();
    const TBadLineMark mark = LocateBadCharacter(pane->Model(), badLine, errorPosition);
    pane->SetSelStart(mark.start);
    pane->SetSelLength(mark.length);
}

std::string BadLineText(const char* prefixUtf8, int line, int position)
{
    return Cp(prefixUtf8) + IntegerText(int64_t(line) + 1) + Cp(" в позиции ") + IntegerText(position);
}

} // namespace

void TForm1::ParsePatternPane()
{
    WaitCursor wait;
    State.ErrorPosition = 0;
    const LineParseResult r = ParseLines(RichEdit2->Model(), *State.PatternValues, Progress(),
                                         State.ErrorPosition, State.ParseErrorLine);
    State.PatternLength = r.count;
    State.PatternErrorLine = State.ParseErrorLine;
    State.ParseErrorLine = -1;
    Progress().SetPosition(0);
    if (State.PatternErrorLine == -1) {
        SetPanelText(2, std::string());
        State.PatternDirty = false;
    } else {
        SetPanelText(2, BadLineText("Образ: ошибка в строке ", State.PatternErrorLine, State.ErrorPosition));
        MarkBadCharacter(RichEdit2, State.PatternErrorLine, State.ErrorPosition);
    }
}

void TForm1::ParseDataPane()
{
    WaitCursor wait;
    State.ErrorPosition = 0;
    const LineParseResult r = ParseLines(RichEdit1->Model(), *State.DataValues, Progress(),
                                         State.ErrorPosition, State.ParseErrorLine);
    Progress().SetPosition(0);
    if (r.count != 0) {
        DFT->SampleCount = r.count;
        DFT->DataMean = StoreDouble(Divide(r.sum, r.count));
    } else {
        DFT->SampleCount = 1;
        DFT->DataMean = 0;
    }
    const IntegerParse adc = ParseInteger(EditText(EditADC));
    if (adc.errorPosition == 0)
        DFT->AdcScale = adc.value;

    SetPanelText(0, Cp("Количество данных: ") + IntegerText(DFT->SampleCount));
    ShowMeanPanel();
    if (State.ParseErrorLine == -1) {
        SetPanelText(2, std::string());
        State.DataDirty = false;
    } else {
        SetPanelText(2, BadLineText("Данные: ошибка в строке ", State.ParseErrorLine, State.ErrorPosition));
        MarkBadCharacter(RichEdit1, State.ParseErrorLine, State.ErrorPosition);
    }
}

void TForm1::NLoadClick()
{
    // The program's folder exactly as the system gives it, with its final
    // separator: upper-casing it would name another folder on Linux.
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString path = ChooseDataFile(folder);
    if (path.isEmpty())
        return;
    LoadDataFile(path);
}

void TForm1::LoadDataFile(const QString& path)
{
    // The dialog leaves the current directory at the chosen file's folder, so
    // later exports land beside the data file.
    QDir::setCurrent(QFileInfo(path).absolutePath());

    // The file is read before the pane is emptied: a file that cannot be opened
    // or read must not cost the user the samples already in the pane.
    std::string bytes = ReadFileForPane(LocalPath(path));
    RichEdit1->Clear();
    RichEdit1->LoadFileBytes(std::move(bytes));
    RichEdit1->FocusPane();
    RichEdit1->SelectAll();
    const int textLength = RichEdit1->SelLength();

    const TRateText rate = FindRateText(RichEdit1->Model(), textLength);
    if (!rate.found) {
        SetEditText(EditScaleX, "1");
    } else {
        // The rate travels through the clipboard, which keeps it afterwards.
        RichEdit1->FocusPane();
        RichEdit1->SetSelStart(rate.start);
        RichEdit1->SetSelLength(rate.length);
        RichEdit1->CopyToClipboard();
        SetEditText(EditScaleX, "");
        PasteIntoEdit(EditScaleX);
        if (ParseFloat(EditText(EditScaleX)).errorPosition != 0)
            SetEditText(EditScaleX, "1");
    }

    const int header = HeaderLength(RichEdit1->Model(), textLength);
    if (header >= 0) {
        RichEdit1->SetSelStart(0);
        RichEdit1->SetSelLength(header);
        RichEdit1->ClearSelection();
    }
    RichEdit1->FocusPane();
    ParseDataPane();
}
