#pragma once
// What the About command shows: the version lines of its memo and where the
// panel goes.
#include "tools/version_info.h"

#include <string>
#include <vector>

// The maker's web page, opened in the browser and shown as the memo's last line.
inline constexpr char kMakerWebPage[] = "http://www.dorvin.example/";
inline constexpr char kNoVersionInfo[] = "No version information found";

// The lines one use of the command appends (Windows-1251): "label: value" for
// every key of the query table whose value exists and is not empty, in table
// order, then the web address. Without version information (null) the single
// line kNoVersionInfo.
std::vector<std::string> AboutMemoLines(const TVersionInfo* info);

struct TPanelOrigin {
    int Left;
    int Top;
};
// Centres a panel in its parent; the halves truncate toward zero, so a panel
// larger than its parent sticks out by the rounded-down half on the top/left.
TPanelOrigin CentredOrigin(int parentWidth, int parentHeight, int width, int height);
