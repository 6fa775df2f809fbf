#pragma once
// The data file named on the command line (or by a file manager through the
// desktop entry's %f).
#include <string>

class TForm1;

// Queues the load of path for when the event loop runs, so that it comes after
// the window is shown: through the dispatcher, as "Загрузить данные" after its
// dialog, and an error box stands over a running window. Nothing for an empty path.
void LoadStartFile(TForm1& form, const std::string& path);
