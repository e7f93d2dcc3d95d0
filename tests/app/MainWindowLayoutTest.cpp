// The main window keeps its size whatever the pages show: labels that show a
// person's own texts elide them and carry the whole text as their tooltip, and
// lists and fields give the texts they hold room to be read.

#include "app/TfrmMain.h"
#include "support/ProgramWindowsFixture.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QToolTip>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MainWindowLayoutTest : public testsupport::ProgramWindowsFixture {};

TEST_F(MainWindowLayoutTest, LongTextsInTheLabelsNeverWidenTheWindow) {
    frmMain->show();
    QApplication::processEvents();
    const QSize size = frmMain->size();
    const QString longText = QString("C:\\") + QString(300, QChar('x')) + "\\end";
    for (const char* name : {"lblVol02StartFolder", "lblVol02EndFolder", "lblVol03StartFolder",
                             "lblVol03EndFolder", "lblVol04StartFolder", "lblVol04EndFolder",
                             "lblVol06StartFolder", "lblVol06EndFolder", "lblSimple02CompleteFolder"}) {
        SCOPED_TRACE(name);
        auto* label = frmMain->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        // A page is laid out at its size on screen only while it is in front.
        for (QWidget* page = label; page; page = page->parentWidget())
            if (frmMain->pgeMain()->indexOf(page) >= 0)
                frmMain->pgeMain()->setCurrentWidget(page);
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
    frmMain->ShowTab("tabFolderCreate03");
    frmMain->hide();
}

// A line of full paths as list files from Windows machines hold them, 300
// characters long.
QString LongLine() {
    QString line = "C:\\tmp\\Clients\\Northwind Traders\\2024\\Quarterly Reports";
    while (line.size() < 300)
        line += QString("\\Region %1\\pdes").arg(line.size());
    return line.left(300);
}

void ShowPage(const char* tab) {
    frmMain->ShowTab(tab);
    QApplication::processEvents();
}

// The lists show enough of a long line to tell it from its neighbours at a
// glance, with all of it in the tooltip; the fields show a usual name whole,
// and the destination drop-down a usual path.
TEST_F(MainWindowLayoutTest, ListsAndFieldsGiveLongLinesRoom) {
    frmMain->show();
    const QString line = LongLine();
    struct ListCase {
        const char* tab;
        const char* list;
    } lists[] = {
        {"tabFolderCreate05", "lstVol04IncludeFolderList"},
        {"tabFolderCreate05", "lstVol04ExcludeFolderList"},
        {"tabFolderCreate05", "lstVol04AddFolderStructure"},
        {"tabFolderCreate04", "lstVol03AddFolderStructure"},
    };
    for (const ListCase& k : lists) {
        SCOPED_TRACE(k.list);
        ShowPage(k.tab);
        auto* list = frmMain->findChild<ui::ListBox*>(k.list);
        ASSERT_NE(list, nullptr);
        const std::vector<std::string> before = list->Items();
        list->Clear();
        list->AddItem(line.toStdString());
        QApplication::processEvents();
        EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(line.left(60)));
        const QRect first = list->visualRect(list->model()->index(0, 0));
        QHelpEvent help(QEvent::ToolTip, first.center(), list->viewport()->mapToGlobal(first.center()));
        QApplication::sendEvent(list->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), line);
        QToolTip::hideText();
        list->Clear();
        list->AddItems(before);
    }

    const QString name = "ProjectArchive2024";
    for (const char* field : {"edtVol03Prefix", "edtVol03Suffix", "edtVol04Prefix", "edtVol04Suffix"}) {
        SCOPED_TRACE(field);
        ShowPage(field[7] == '3' ? "tabFolderCreate04" : "tabFolderCreate05");
        auto* edit = frmMain->findChild<QLineEdit*>(field);
        ASSERT_NE(edit, nullptr);
        // The edit's frame and margins take a few pixels of its width.
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(name) + 12);
    }

    for (const char* combo : {"cboVol02DestFolders", "cboVol03DestFolders"}) {
        SCOPED_TRACE(combo);
        ShowPage(combo[7] == '2' ? "tabFolderCreate03" : "tabFolderCreate04");
        auto* box = frmMain->findChild<ui::ComboBox*>(combo);
        ASSERT_NE(box, nullptr);
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        EXPECT_GE(field.width(), box->fontMetrics().horizontalAdvance(line.left(60)));
        // A destination longer than the box shows all of it as the tooltip.
        const int added = box->AddItem(line.toStdString());
        box->SetItemIndex(added);
        QHelpEvent help(QEvent::ToolTip, box->rect().center(), box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &help);
        EXPECT_EQ(QToolTip::text(), line);
        QToolTip::hideText();
        box->Delete(added);
        box->SetItemIndex(box->Count() - 1);
    }
    ShowPage("tabFolderCreate03");
    frmMain->hide();
}

} // namespace
