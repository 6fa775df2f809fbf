#pragma once
// A status bar of sunken text panels standing edge to edge at fixed widths;
// the last one reaches the bar's right end, as the panels of a native status
// bar do. QStatusBar's own layout would put gaps and margins between them.
#include <QStatusBar>
#include <vector>

class QLabel;

class TStatusPanels : public QStatusBar {
    Q_OBJECT

public:
    // One panel per width; the last width is the least the last panel gets.
    TStatusPanels(const std::vector<int>& widths, QWidget* parent = nullptr);

    int PanelCount() const { return int(panels_.size()); }
    QLabel* Panel(int index) const { return panels_.at(size_t(index)); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlacePanels();

    std::vector<int> widths_;
    std::vector<QLabel*> panels_;
};
