// The main window keeps its size whatever the pages show: labels that show a
// person's own texts elide them and carry the whole text as their tooltip.

#include "app/TfrmMain.h"
#include "support/ProgramWindowsFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <gtest/gtest.h>

#include <string>

namespace {

class MainWindowLayoutTest : public testsupport::ProgramWindowsFixture {};

TEST_F(MainWindowLayoutTest, LongTextsInTheLabelsNeverWidenTheWindow) {
    frmMain->show();
    QApplication::processEvents();
    const QSize size = frmMain->size();
    EXPECT_EQ(size.width(), 1061);
    const QString longText = QString("C:\\") + QString(300, QChar('x')) + "\\end";
    for (const char* name : {"lblVol02StartFolder", "lblVol02EndFolder", "lblVol03StartFolder",
                             "lblVol03EndFolder", "lblVol04StartFolder", "lblVol04EndFolder",
                             "lblVol06StartFolder", "lblVol06EndFolder", "lblSimple02CompleteFolder"}) {
        SCOPED_TRACE(name);
        auto* label = frmMain->findChild<QLabel*>(name);
        if (!label)
            continue; // a page this version does not have yet
        const QString before = label->text();
        label->setText(longText);
        for (QWidget* page = label->parentWidget(); page; page = page->parentWidget())
            if (page->layout())
                page->layout()->activate();
        QApplication::processEvents();
        EXPECT_EQ(frmMain->size(), size);
        EXPECT_LE(label->width(), size.width());
        // What is painted is the text with its middle left out; the tooltip
        // holds all of it.
        label->grab();
        EXPECT_EQ(label->toolTip(), longText);
        label->setText(before);
    }
    frmMain->hide();
}

} // namespace
