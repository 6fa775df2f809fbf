// Data and pattern pane parsing and the data file load.
#include "app/main_window.h"

#include "app/box_integer.h"
#include "app/dialog_folder.h"
#include "app/long_run.h"
#include "app/pane_file_header.h"
#include "input/bad_line_mark.h"
#include "input/data_file_header.h"
#include "input/sample_parser.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "text/text_file_reader.h"
#include "widgets/edit_box.h"
#include "widgets/qt_text.h"
#include "widgets/rich_pane.h"

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

// Panel 2 after a pane parse: empty, or the bad line and position with the
// bad character selected in the pane. True when the parse found no bad line.
bool ShowParseOutcome(TForm1& form, TRichPane* pane, const char* prefixUtf8, const LineParseResult& r)
{
    if (r.errorLine == -1) {
        form.SetPanelText(2, std::string());
        return true;
    }
    form.SetPanelText(2,
                      Cp(prefixUtf8) + IntegerText(int64_t(r.errorLine) + 1) + Cp(" в позиции ") +
                          IntegerText(r.errorPosition));
    MarkBadCharacter(pane, r.errorLine, r.errorPosition);
    return false;
}

} // namespace

void TForm1::ParsePatternPane()
{
    WaitCursor wait;
    LineParseResult r;
    LongRun->Step("Разбор образа",
                  [&] { r = ParseLines(RichEdit2->Model(), *State.PatternValues, Progress()); });
    State.PatternLength = r.count;
    State.PatternErrorLine = r.errorLine;
    State.ParseErrorLine = -1;
    Progress().SetPosition(0);
    if (ShowParseOutcome(*this, RichEdit2, "Образ: ошибка в строке ", r))
        State.PatternDirty = false;
}

void TForm1::ParseDataPane()
{
    WaitCursor wait;
    LineParseResult r;
    LongRun->Step("Разбор данных", [&] { r = ParseLines(RichEdit1->Model(), *State.DataValues, Progress()); });
    State.ParseErrorLine = r.errorLine;
    Progress().SetPosition(0);
    DFT->SampleCount = r.count != 0 ? r.count : 1;
    DFT->DataMean = r.mean;
    DFT->AdcScale = BoxInteger(EditADC, DFT->AdcScale);
    SetPanelText(0, Cp("Количество данных: ") + IntegerText(DFT->SampleCount));
    ShowMeanPanel();
    if (ShowParseOutcome(*this, RichEdit1, "Данные: ошибка в строке ", r))
        State.DataDirty = false;
}

void TForm1::NLoadClick()
{
    // The program's folder exactly as the system gives it, with its final
    // separator: upper-casing it would name another folder on Linux.
    const QString folder =
        DataDialogFolder(QCoreApplication::applicationDirPath() + QLatin1Char('/'), StartFolder);
    const QString path = ChooseDataFile(folder);
    if (!path.isEmpty())
        LoadDataFile(path);
}

void TForm1::LoadDataFile(const QString& path)
{
    // The file is read before anything changes: a path that is not a readable
    // regular file must not cost the user the samples already in the pane.
    TPaneText loaded;
    LongRun->Step("Чтение файла", [&] { loaded.LoadBytes(ReadFileForPane(LocalPath(path), Progress())); });
    // The current directory follows the loaded file's folder, so later
    // exports land beside the data file.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    RichEdit1->Clear();
    RichEdit1->LoadFileText(std::move(loaded));
    RichEdit1->FocusPane();
    RichEdit1->SelectAll();
    const int textLength = RichEdit1->SelLength();

    const TRateText rate = FindRateText(RichEdit1->Model(), textLength);
    if (!rate.found) {
        SetEditText(EditScaleX, kNoRateText);
    } else {
        // The rate travels through the clipboard, which keeps it afterwards.
        RichEdit1->FocusPane();
        RichEdit1->SetSelStart(rate.start);
        RichEdit1->SetSelLength(rate.length);
        RichEdit1->CopyToClipboard();
        SetEditText(EditScaleX, "");
        PasteIntoEdit(EditScaleX);
        SetEditText(EditScaleX, RateBoxText(EditText(EditScaleX)));
    }

    RemoveFileHeader(*RichEdit1, textLength);
    RichEdit1->FocusPane();
    ParseDataPane();
}
