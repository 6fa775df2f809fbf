// The window as drawn at design size: every control where the layout puts it,
// group boxes with their caption on the frame line, and every caption and
// status text inside the width the layout gives it.
#include "app_test_support.h"

#include "chart/paint/plot.h"
#include "widgets/rich_pane.h"
#include "widgets/status_panels.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QStyleOption>
#include <gtest/gtest.h>

namespace {

// The form at its design size: a client area (below the menu) of 1027 x 672.
std::unique_ptr<TForm1> DesignSizedForm()
{
    auto form = MakeForm();
    form->show();
    form->resize(1027, 672 + form->menuBar()->height());
    QCoreApplication::processEvents();
    return form;
}

struct Placed {
    const char* name;
    QWidget* widget;
    QWidget* parent; // the control the layout measures from
    QRect rect;      // a zero width or height: sized by its caption
};

// The splitters are the 3-px gaps between their neighbours (PanelMain and
// PanelRight, Panel1 and Panel2); Qt widens a handle's grab area over both.
std::vector<Placed> LayoutTable(TForm1& f)
{
    QWidget* client = f.centralWidget();
    return {
        {"StatusBar1", f.StatusBar1, client, {0, 649, 1027, 23}},
        {"PanelLeft", f.PanelLeft, client, {0, 0, 210, 649}},
        {"PanelSpectr", f.PanelSpectr, f.PanelLeft, {1, 384, 208, 264}},
        {"GroupBox4", f.GroupBox4, f.PanelSpectr, {8, 96, 193, 161}},
        {"Label5", f.Label5, f.GroupBox4, {7, 26, 0, 0}},
        {"Label6", f.Label6, f.GroupBox4, {7, 50, 0, 0}},
        {"Label9", f.Label9, f.GroupBox4, {32, 80, 0, 0}},
        {"EditStartPattern", f.EditStartPattern, f.GroupBox4, {104, 21, 41, 21}},
        {"EditWidthPattern", f.EditWidthPattern, f.GroupBox4, {104, 45, 41, 21}},
        {"ButtonStartAutoKor", f.ButtonStartAutoKor, f.GroupBox4, {32, 98, 129, 21}},
        {"CheckBoxViewS", f.CheckBoxViewS, f.GroupBox4, {9, 128, 176, 17}},
        {"GroupBox6", f.GroupBox6, f.PanelSpectr, {8, 0, 193, 97}},
        {"RadioButton1", f.RadioButton1, f.GroupBox6, {8, 24, 153, 17}},
        {"CheckBoxViewPatKor", f.CheckBoxViewPatKor, f.GroupBox6, {9, 72, 176, 17}},
        {"ButtonStartPatKor", f.ButtonStartPatKor, f.GroupBox6, {24, 48, 129, 21}},
        {"PanelF", f.PanelF, f.PanelLeft, {1, 1, 208, 383}},
        {"GroupBox1", f.GroupBox1, f.PanelF, {8, 176, 193, 73}},
        {"Label7", f.Label7, f.GroupBox1, {16, 20, 0, 0}},
        {"CheckBoxAutoX", f.CheckBoxAutoX, f.GroupBox1, {13, 46, 73, 17}},
        {"EditMaxX", f.EditMaxX, f.GroupBox1, {96, 16, 72, 21}},
        {"ButtonXAxis", f.ButtonXAxis, f.GroupBox1, {96, 44, 72, 21}},
        {"GroupBox2", f.GroupBox2, f.PanelF, {8, 8, 193, 97}},
        {"Label1", f.Label1, f.GroupBox2, {8, 24, 0, 0}},
        {"Label3", f.Label3, f.GroupBox2, {83, 47, 0, 0}},
        {"EditScaleX", f.EditScaleX, f.GroupBox2, {123, 21, 46, 21}},
        {"EditADC", f.EditADC, f.GroupBox2, {124, 42, 45, 21}},
        {"CheckBoxViewF", f.CheckBoxViewF, f.GroupBox2, {9, 69, 160, 17}},
        {"ButtonDataRefresh", f.ButtonDataRefresh, f.PanelF, {9, 250, 191, 23}},
        {"GroupBox3", f.GroupBox3, f.PanelF, {8, 104, 193, 73}},
        {"Label4", f.Label4, f.GroupBox3, {7, 20, 0, 0}},
        {"Label2", f.Label2, f.GroupBox3, {8, 44, 0, 0}},
        {"EditKmax", f.EditKmax, f.GroupBox3, {130, 13, 41, 21}},
        {"CheckBoxH0", f.CheckBoxH0, f.GroupBox3, {125, 44, 60, 17}},
        {"GroupBox5", f.GroupBox5, f.PanelF, {8, 280, 193, 97}},
        {"Label8", f.Label8, f.GroupBox5, {83, 15, 0, 0}},
        {"EditADCpat", f.EditADCpat, f.GroupBox5, {124, 10, 45, 21}},
        {"CheckBoxViewPat", f.CheckBoxViewPat, f.GroupBox5, {9, 40, 168, 17}},
        {"ButtonGraphPat", f.ButtonGraphPat, f.GroupBox5, {8, 64, 169, 21}},
        {"PanelMain", f.PanelMain, client, {210, 0, 649, 649}},
        {"PanelAbout", f.PanelAbout, f.PanelMain, {180, 148, 273, 189}},
        {"Memo1", f.Memo1, f.PanelAbout, {20, 16, 233, 125}},
        {"Button1", f.Button1, f.PanelAbout, {116, 148, 75, 25}},
        {"PanelProc", f.PanelProc, f.PanelMain, {1, 1, 647, 647}},
        {"PanelChart", f.PanelChart, f.PanelMain, {1, 1, 647, 647}},
        {"ChartSpectr", f.ChartSpectr, f.PanelChart, {1, 382, 645, 264}},
        {"ChartF", f.ChartF, f.PanelChart, {1, 1, 645, 381}},
        {"PanelRight", f.PanelRight, client, {862, 0, 165, 649}},
        {"ProgressBar1", f.ProgressBar1, f.PanelRight, {1, 624, 163, 24}},
        {"Panel1", f.Panel1, f.PanelRight, {1, 1, 80, 623}},
        {"Panel4", f.Panel4, f.Panel1, {1, 1, 78, 32}},
        {"RichEdit1", f.RichEdit1, f.Panel1, {1, 33, 78, 589}},
        {"Panel2", f.Panel2, f.PanelRight, {84, 1, 80, 623}},
        {"Panel3", f.Panel3, f.Panel2, {1, 1, 78, 32}},
        {"RichEdit2", f.RichEdit2, f.Panel2, {1, 33, 78, 589}},
    };
}

// Where the widget lies in the control the layout measures it from; the
// splitters put their own widgets between the two.
QRect RectIn(const QWidget* widget, QWidget* parent)
{
    const QPoint window = widget->mapTo(widget->window(), QPoint(0, 0));
    const QPoint origin = parent->mapTo(parent->window(), QPoint(0, 0));
    return QRect(window - origin, widget->size());
}

// The room a caption has: a label's reaches the next control to its right on
// its row, or the inner edge of its parent; a panel's text (a label with a
// bevel) has the inside of the bevel less its indent.
int LabelRoom(const QLabel* label)
{
    const QWidget* parent = label->parentWidget();
    int right = parent->contentsRect().right() + 1;
    if (auto* group = qobject_cast<const QGroupBox*>(parent))
        right = group->width() - group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = sibling->geometry();
        if (sibling != label && sibling->isVisibleTo(parent) && r.left() > label->x() &&
            r.top() < label->geometry().bottom() && r.bottom() > label->y())
            right = std::min(right, r.left());
    }
    int room = right - label->x();
    if (label->frameWidth() > 0)
        room = std::min(room, label->contentsRect().width() - std::max(0, label->indent()));
    return room;
}

struct Caption {
    QString text;
    QFont font;
    int room;
};

Caption ButtonCaption(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    return {button->text(), button->font(),
            button->style()->subElementRect(contents, &option, button).width()};
}

QStyleOptionGroupBox GroupOption(const QGroupBox* group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return option;
}

// A group caption runs from where the style puts it to the frame's right line.
Caption GroupCaption(const QGroupBox* group)
{
    const QStyleOptionGroupBox option = GroupOption(group);
    const QRect label =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const int frame = group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {group->title(), group->font(), group->width() - frame - label.left()};
}

} // namespace

TEST(WindowLayout, EveryControlLiesWhereTheLayoutPutsIt)
{
    auto form = DesignSizedForm();
    ASSERT_EQ(form->centralWidget()->height() + form->StatusBar1->height(), 672);
    for (const Placed& row : LayoutTable(*form)) {
        SCOPED_TRACE(row.name);
        const QRect real = RectIn(row.widget, row.parent);
        EXPECT_LE(std::abs(real.x() - row.rect.x()), 1) << real.x();
        EXPECT_LE(std::abs(real.y() - row.rect.y()), 1) << real.y();
        if (row.rect.width() > 0) {
            EXPECT_LE(std::abs(real.width() - row.rect.width()), 1) << real.width();
        }
        if (row.rect.height() > 0) {
            EXPECT_LE(std::abs(real.height() - row.rect.height()), 1) << real.height();
        }
    }
}

TEST(WindowLayout, GroupCaptionsSitOnTheFrameLineIndented)
{
    auto form = DesignSizedForm();
    for (const QGroupBox* group : form->findChildren<QGroupBox*>()) {
        SCOPED_TRACE(group->title().toStdString());
        const QStyleOptionGroupBox option = GroupOption(group);
        const QStyle* style = group->style();
        const QRect frame =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        EXPECT_GE(frame.top(), 5);
        EXPECT_LE(frame.top(), 7);
        EXPECT_LT(label.top(), frame.top());
        EXPECT_GT(label.bottom(), frame.top());
        EXPECT_GE(label.left(), 6);
    }
}

TEST(WindowLayout, EveryCaptionAndStatusTextFitsItsRoom)
{
    auto form = DesignSizedForm();
    std::vector<Caption> captions;
    for (const QLabel* label : form->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            captions.push_back({label->text(), label->font(), LabelRoom(label)});
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            captions.push_back(ButtonCaption(button));
    for (const QGroupBox* group : form->findChildren<QGroupBox*>())
        captions.push_back(GroupCaption(group));
    // The longest texts the status panels are given, a six-digit count first.
    const char* const status[][2] = {
        {"0", "Количество данных: 200000"},
        {"1", "Среднее: -0.1009 / -10"},
        {"2", "Данные: ошибка в строке 200000 в позиции 12"},
        {"2", "X: 199999  Y:-2147483648"},
        {"3", "1234   5678   9012"},
    };
    for (const auto& [panel, text] : status) {
        form->SetPanelText(std::atoi(panel), Cp(text));
        const QLabel* label = form->StatusBar1->Panel(std::atoi(panel));
        captions.push_back({QString::fromUtf8(text), label->font(), LabelRoom(label)});
    }
    ASSERT_GE(captions.size(), 35u);
    for (const Caption& caption : captions) {
        SCOPED_TRACE(caption.text.toStdString());
        EXPECT_LE(QFontMetrics(caption.font).horizontalAdvance(caption.text), caption.room);
    }
}

TEST(WindowLayout, PanesScrollOnlyDownAndShowAWholeSampleBesideTheirBar)
{
    auto form = DesignSizedForm();
    for (TRichPane* pane : {form->RichEdit1, form->RichEdit2}) {
        SCOPED_TRACE(pane->objectName().toStdString());
        const std::string sample = "-0.157734"; // sign, point, six digits
        std::string lines;
        for (int i = 0; i < 200; ++i)
            lines += sample + "\r\n";
        pane->SetText(lines);
        QCoreApplication::processEvents();
        EXPECT_FALSE(pane->horizontalScrollBar()->isVisible());
        EXPECT_TRUE(pane->verticalScrollBar()->isVisible());
        // The caret's grid is the drawn text's, and its end is inside the view.
        const QFontMetrics metrics(pane->font());
        EXPECT_EQ(metrics.horizontalAdvance(QString::fromStdString(sample)),
                  int(sample.size()) * metrics.horizontalAdvance(QLatin1Char('0')));
        EXPECT_LE(pane->CharacterRect(int(sample.size())).left(), pane->viewport()->width());
    }
}
