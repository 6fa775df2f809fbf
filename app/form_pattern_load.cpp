// A file dropped on the pattern pane: the pattern's text from a file.
#include "app/main_window.h"
#include "app/long_run.h"
#include "app/pane_file_header.h"
#include "text/text_file_reader.h"
#include "widgets/qt_text.h"
#include "widgets/rich_pane.h"

void TForm1::LoadPatternFile(const QString& path)
{
    // Read before anything changes: a file that cannot be read leaves the
    // pattern as it was. The rate and the clipboard belong to the data load
    // and stay; so does the current directory, where the exports go.
    TPaneText loaded;
    LongRun->Step("Чтение файла", [&] { loaded.LoadBytes(ReadFileForPane(LocalPath(path), Progress())); });
    RichEdit2->LoadFileText(std::move(loaded));
    RemoveFileHeader(*RichEdit2, RichEdit2->TextLength());
    // Parsed by the next pattern plot, as after typing or pasting.
    State.PatternDirty = true;
    RichEdit2->FocusPane();
}
