#include "batch/export_names.h"

#include "tools/export_table.h"

#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

std::vector<TExportPaths> ExportPathsFor(const std::vector<std::string>& inputs,
                                         const std::string& outputFolder)
{
    std::vector<TExportPaths> paths;
    const bool windowNames = inputs.size() == 1 && !outputFolder.empty();
    for (const std::string& input : inputs) {
        const fs::path source(input);
        const fs::path folder = outputFolder.empty() ? source.parent_path() : fs::path(outputFolder);
        const std::string prefix = windowNames ? std::string() : source.stem().string() + ".";
        paths.push_back({(folder / (prefix + ExportFileName(kExportSpectrum))).string(),
                         (folder / (prefix + ExportFileName(kExportCorrelation))).string()});
    }
    return paths;
}

std::string ExportClash(const std::vector<std::string>& inputs, const std::vector<TExportPaths>& paths)
{
    // Compared as the files they name: links and "." resolved where they exist.
    const auto key = [](const std::string& path) {
        std::error_code error;
        const fs::path resolved = fs::weakly_canonical(fs::absolute(path), error);
        return error ? fs::absolute(path).lexically_normal().string() : resolved.string();
    };
    std::map<std::string, size_t> owner; // file -> the input it belongs to
    for (size_t i = 0; i < inputs.size(); ++i)
        owner.emplace(key(inputs[i]), i);
    for (size_t i = 0; i < inputs.size(); ++i) {
        for (const std::string* out : {&paths[i].spectrum, &paths[i].correlation}) {
            const auto [at, fresh] = owner.emplace(key(*out), i);
            if (!fresh)
                return "the export " + *out + " of input " + std::to_string(i + 1) + " (" + inputs[i] +
                    ") would replace " +
                    (at->second == i ? std::string("that input itself")
                                     : "a file of input " + std::to_string(at->second + 1) + " (" +
                             inputs[at->second] + ")");
        }
    }
    return {};
}
