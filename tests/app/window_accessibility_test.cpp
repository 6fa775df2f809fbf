// The window over Qt's accessibility interfaces: every edit box is named by
// its own label, the panes by their headings, and an edit of a pane made
// through them counts as an edit of the pane.
#include "app_test_support.h"

#include "widgets/rich_pane.h"

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
        {form->EditScaleX, "Скорость потока (Hz):"}, {form->EditADC, "ADC:"},
        {form->EditKmax, "Количество гармоник:"},     {form->EditMaxX, "Значений :"},
        {form->EditADCpat, "ADC:"},                   {form->EditStartPattern, "Начало образца:"},
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
    pane->editableTextInterface()->insertText(0, QStringLiteral("0.5\n1.5"));
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_EQ(pane->textInterface()->text(0, pane->textInterface()->characterCount()),
              QStringLiteral("0.5\r\n1.5"));
    EXPECT_EQ(form->RichEdit1->LineCount(), 2);
}
