// The window over Qt's accessibility interfaces: every edit box is named by
// its own label, the panes by their headings, and an edit of a pane made
// through them counts as an edit of the pane; each chart is named by its
// titles and describes its visible curves.
#include "window_run_support.h"

#include "chart/paint/plot.h"
#include "widgets/rich_pane.h"

#include <QCheckBox>

#include <QAccessible>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

QString Name(QObject* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

TEST(WindowAccessibility, EachEditBoxIsNamedByItsOwnLabel)
{
    auto form = MakeForm();
    const std::pair<QLineEdit*, const char*> named[] = {
        {form->EditScaleX, "Скорость потока (Hz):"},
        {form->EditADC, "ADC:"},
        {form->EditKmax, "Количество гармоник:"},
        {form->EditMaxX, "Значений :"},
        {form->EditADCpat, "ADC:"},
        {form->EditStartPattern, "Начало образца:"},
        {form->EditWidthPattern, "Размер образца:"},
    };
    for (const auto& [edit, caption] : named) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(Name(edit), QString::fromUtf8(caption));
    }
}

TEST(WindowAccessibility, PanesAreNamedByTheirHeadingsAndEditedAsByTyping)
{
    auto form = MakeForm();
    EXPECT_EQ(Name(form->RichEdit1), QString::fromUtf8("Данные"));
    EXPECT_EQ(Name(form->RichEdit2), QString::fromUtf8("Образ"));
    form->State.DataDirty = false;
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(form->RichEdit1);
    ASSERT_NE(pane->editableTextInterface(), nullptr);
    // How the text changes is PaneAccessible's (tests/widgets); here the flag.
    pane->editableTextInterface()->insertText(0, QStringLiteral("0.5\n1.5"));
    EXPECT_TRUE(form->State.DataDirty);
}

TEST(WindowAccessibility, ChartsAreNamedByTheirTitlesAndCountThePointsOfEachVisibleCurve)
{
    auto form = MakeForm();
    QAccessibleInterface* data = QAccessible::queryAccessibleInterface(form->ChartF);
    QAccessibleInterface* spectrum = QAccessible::queryAccessibleInterface(form->ChartSpectr);
    ASSERT_NE(data, nullptr);
    ASSERT_NE(spectrum, nullptr);
    EXPECT_EQ(data->role(), QAccessible::Chart);
    EXPECT_EQ(data->text(QAccessible::Name), QStringLiteral("Time"));
    EXPECT_EQ(spectrum->text(QAccessible::Name), QStringLiteral("Spectr"));
    EXPECT_EQ(data->text(QAccessible::Description),
              QString::fromUtf8("Кривая 1, точек: 0; кривая 2, точек: 0; кривая 3, точек: 0"));

    // Four samples, three harmonics (0, 1, 2) with the zero one kept.
    form->CheckBoxH0->setChecked(false);
    RunSpectrum(*form, Lines({"1", "2", "3", "4"}), "1", "3");
    EXPECT_EQ(data->text(QAccessible::Description),
              QString::fromUtf8("Кривая 1, точек: 4; кривая 2, точек: 0; кривая 3, точек: 0"));
    EXPECT_EQ(spectrum->text(QAccessible::Description), QString::fromUtf8("Кривая 1, точек: 3"));

    // A curve hidden by its box keeps its points but is no longer described.
    form->CheckBoxViewF->setChecked(false);
    EXPECT_EQ(data->text(QAccessible::Description),
              QString::fromUtf8("Кривая 2, точек: 0; кривая 3, точек: 0"));
}
