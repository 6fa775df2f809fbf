#include "widgets/status_panels.h"

#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

namespace {

// Text starts 2 px inside the bevel, as in a native panel; the label's own
// default (half an "x") would take a pixel more of a full panel 0.
constexpr int kTextIndent = 2;

} // namespace

TStatusPanels::TStatusPanels(const std::vector<int>& widths, QWidget* parent)
        : QStatusBar(parent), widths_(widths)
{
    setSizeGripEnabled(false);
    for (size_t i = 0; i < widths_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(kTextIndent);
        panels_.push_back(panel);
    }
    PlacePanels();
}

void TStatusPanels::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    PlacePanels();
}

void TStatusPanels::PlacePanels()
{
    int left = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const bool last = i + 1 == panels_.size();
        const int width = last ? std::max(widths_[i], this->width() - left) : widths_[i];
        panels_[i]->setGeometry(left, 0, width, height());
        left += width;
    }
}
