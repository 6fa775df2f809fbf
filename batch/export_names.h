#pragma once
// Where the batch command writes each input's two exports.
#include <string>
#include <vector>

struct TExportPaths {
    std::string spectrum;
    std::string correlation;
};

// One input with an output folder: the window's own names in it. Otherwise
// "<name>.export_spectr.dat" and "<name>.export_korr.dat", <name> the input's
// file name without its extension, in the output folder or beside the input.
std::vector<TExportPaths> ExportPathsFor(const std::vector<std::string>& inputs,
                                         const std::string& outputFolder);

// Empty when no two inputs would write the same file and no export would
// replace an input; otherwise a message naming them (UTF-8).
std::string ExportClash(const std::vector<std::string>& inputs, const std::vector<TExportPaths>& paths);
