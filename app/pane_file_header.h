#pragma once
// The data file's header rule applied to a pane a file was just loaded into:
// the data pane and, for a dropped file, the pattern pane.
class TRichPane;

// Deletes the header (everything through the "*******" marker and its line
// break) found in the first textLength positions; without the marker the pane
// keeps its text.
void RemoveFileHeader(TRichPane& pane, int textLength);
