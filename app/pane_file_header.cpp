#include "app/pane_file_header.h"

#include "input/data_file_header.h"
#include "widgets/rich_pane.h"

void RemoveFileHeader(TRichPane& pane, int textLength)
{
    const int header = HeaderLength(pane.Model(), textLength);
    if (header < 0)
        return;
    pane.SetSelStart(0);
    pane.SetSelLength(header);
    pane.ClearSelection();
}
