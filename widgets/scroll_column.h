#pragma once
// A column of controls placed at fixed positions that scrolls vertically when
// its panel is lower than the column. The column keeps its width: when the
// scroll bar appears the area widens by the bar instead of squeezing the
// controls under it, so every control keeps its place and size.
#include <QScrollArea>

class TScrollColumn : public QScrollArea {
    Q_OBJECT

public:
    // `column` is the widget that holds the controls; it is `width` pixels wide
    // and at least `minimumHeight` high (it grows with the panel above that).
    TScrollColumn(QWidget* column, int width, int minimumHeight, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitWidth();
    int width_;
};
