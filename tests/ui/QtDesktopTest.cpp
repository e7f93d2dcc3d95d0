#include "ui/QtDesktop.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/Form.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Runs `action` on the modal window the code under test opens next.
void WhenModalOpens(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal window opened";
        action(modal);
    });
}

TEST(QtDesktop, FiltersKeepTheFrameworkDescriptionsAndMatchAsWindowsDoes) {
    EXPECT_EQ(ui::ToQtNameFilters("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
              QStringList({"Text Files (*.txt) (*.txt)", "All Files (*.*) (*)"}));
    EXPECT_EQ(ui::ToQtNameFilters("Lists|*.txt;*.lst"), QStringList({"Lists (*.txt *.lst)"}));
    EXPECT_EQ(ui::ToQtNameFilters(""), QStringList());
    EXPECT_EQ(ui::ToQtNameFilters("Dangling description"), QStringList());
}

struct BoxCase {
    ui::Buttons buttons;
    ui::Answer defaultButton;
    QMessageBox::StandardButton expectedDefault;
    QMessageBox::StandardButton click;
    ui::Answer expected;
};

TEST(QtDesktop, MessageBoxesShowCaptionTextIconButtonsAndDefault) {
    ui::QtDesktop desktop;
    const BoxCase cases[] = {
        {ui::Buttons::Ok, ui::Answer::None, QMessageBox::Ok, QMessageBox::Ok, ui::Answer::Ok},
        {ui::Buttons::OkCancel, ui::Answer::None, QMessageBox::Ok, QMessageBox::Cancel, ui::Answer::Cancel},
        {ui::Buttons::YesNo, ui::Answer::No, QMessageBox::No, QMessageBox::Yes, ui::Answer::Yes},
        {ui::Buttons::YesNo, ui::Answer::None, QMessageBox::Yes, QMessageBox::No, ui::Answer::No},
        {ui::Buttons::YesNoCancel, ui::Answer::No, QMessageBox::No, QMessageBox::Cancel, ui::Answer::Cancel},
    };
    for (const BoxCase& c : cases) {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* expectedDefault = nullptr;
        Qt::TextFormat format = Qt::AutoText;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            defaultButton = box->defaultButton();
            expectedDefault = box->button(c.expectedDefault);
            box->button(c.click)->click();
        });
        ui::MessageBoxRequest request;
        request.caption = "Creating Folders            Warning no: 0035.";
        request.text = "Press the <Select Files> button.\nAction : try again.";
        request.icon = ui::Icon::Question;
        request.buttons = c.buttons;
        request.defaultButton = c.defaultButton;
        EXPECT_EQ(desktop.MessageBox(request), c.expected);
        EXPECT_EQ(caption.toStdString(), request.caption);
        EXPECT_EQ(text.toStdString(), request.text);
        EXPECT_EQ(format, Qt::PlainText) << "\"<Select Files>\" must not be read as markup";
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_NE(expectedDefault, nullptr);
        EXPECT_EQ(defaultButton, expectedDefault);
    }
}

TEST(QtDesktop, FrameworkErrorAndPlainMessageUseTheApplicationTitle) {
    ui::QtDesktop desktop;
    const QString savedName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName("Foldersmith");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    desktop.ShowFrameworkError("'x' is not a valid integer value");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(caption, "Foldersmith");

    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        caption = box->windowTitle();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    desktop.ShowMessage("Loading finished.");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(caption, "Foldersmith");
    QGuiApplication::setApplicationDisplayName(savedName);
}

TEST(QtDesktop, ShowModalReturnsTheModalResultAndCancelForTheCloseButton) {
    ui::QtDesktop desktop;
    ui::Form form;
    WhenModalOpens([](QWidget* modal) { static_cast<ui::Form*>(modal)->SetModalResult(ui::Answer::Yes); });
    EXPECT_EQ(desktop.ShowModal(form), ui::Answer::Yes);
    EXPECT_FALSE(form.isVisible());

    WhenModalOpens([](QWidget* modal) { modal->close(); }); // the title bar's X
    EXPECT_EQ(desktop.ShowModal(form), ui::Answer::Cancel);
    EXPECT_EQ(form.ModalResult(), ui::Answer::Cancel);

    WhenModalOpens([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    EXPECT_EQ(desktop.ShowModal(form), ui::Answer::Ok);
}

TEST(QtDesktop, BrowseForFolderGivesTheDriveFormOrNothing) {
    testsupport::DriveSandbox sandbox("CD");
    sandbox.MakeFolder("D:\\Projects\\2026");
    ui::QtDesktop desktop;
    std::string title;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<ui::FolderBrowseDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->findChild<QLabel*>("lblTitle")->text().toStdString();
        ASSERT_TRUE(dialog->SelectHostFolder(sandbox.Host("D:\\Projects\\2026")));
        dialog->findChild<QPushButton*>("btnOk")->click();
    });
    EXPECT_EQ(desktop.BrowseForFolder(nullptr, "Browse Title"), "D:\\Projects\\2026");
    EXPECT_EQ(title, "Browse Title");

    WhenModalOpens([&](QWidget* modal) { modal->close(); });
    EXPECT_EQ(desktop.BrowseForFolder(nullptr, "Browse Title"), "");
}

class QtDesktopFileDialogs : public testing::Test {
protected:
    QtDesktopFileDialogs() {
        // Qt's file dialog remembers its state in the user's settings: keep
        // that inside the test's own folder.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        sandbox.MakeFile("D:\\Lists\\names.TXT", "a\nb\n");
        sandbox.MakeFile("D:\\Lists\\other.dat", "x");
    }

    QTemporaryDir settings;
    testsupport::DriveSandbox sandbox{"CD"};
    testsupport::ScriptedDesktop scripted; // answers the refusal box
    ui::QtDesktop desktop;
};

TEST_F(QtDesktopFileDialogs, OpenStartsInTheInitialFolderAndGivesTheDriveForm) {
    ui::FileDialogRequest request;
    request.title = "Open a List File";
    request.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    request.initialDirectory = "d:\\lists";
    QString directory;
    QStringList filters;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        directory = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        dialog->selectFile(QString::fromStdString(sandbox.Host("D:\\Lists\\names.TXT")));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(desktop.OpenFileName(request), "D:\\Lists\\names.TXT");
    EXPECT_EQ(directory.toStdString(), sandbox.Host("D:\\Lists"));
    EXPECT_EQ(filters, ui::ToQtNameFilters(request.filter));
    EXPECT_TRUE(scripted.Boxes().empty());
}

TEST_F(QtDesktopFileDialogs, AFileOutsideEveryDriveIsRefused) {
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    const QString file = outside.filePath("elsewhere.txt");
    QFile(file).open(QIODevice::WriteOnly);
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(outside.path());
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    scripted.ExpectBox("", ui::Answer::Ok);
    ui::FileDialogRequest request;
    request.title = "Open a List File";
    EXPECT_EQ(desktop.OpenFileName(request), "");
    EXPECT_EQ(scripted.LastBox().caption, "Open a List File");
    EXPECT_NE(scripted.LastBox().text.find(file.toStdString()), std::string::npos);
    EXPECT_NE(scripted.LastBox().text.find("outside every drive"), std::string::npos);
}

TEST_F(QtDesktopFileDialogs, SaveAddsTheDefaultExtension) {
    ui::FileDialogRequest request;
    request.title = "Save the List";
    request.filter = "Text Files (*.txt)|*.txt";
    request.defaultExtension = "txt";
    request.initialDirectory = "D:\\Lists";
    QString suffix;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        suffix = dialog->defaultSuffix();
        dialog->selectFile("result");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(desktop.SaveFileName(request), "D:\\Lists\\result.txt");
    EXPECT_EQ(suffix, "txt");

    WhenModalOpens([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(desktop.SaveFileName(request), "");
}

// The name field takes the program's own paths; the next dialog opens where
// the last file was chosen.
TEST_F(QtDesktopFileDialogs, TypedProgramPathsLeadToTheirFilesAndTheNextDialogOpensThere) {
    sandbox.MakeFolder("C:\\Elsewhere");
    struct Case {
        bool save;
        const char* typed;
        const char* chosen;
    } cases[] = {
        {false, "D:\\Lists\\names.TXT", "D:\\Lists\\names.TXT"},
        {false, "d:/lists/NAMES.txt", "D:\\Lists\\names.TXT"},
        {false, "  D:\\Lists\\..\\Lists\\other.dat ", "D:\\Lists\\other.dat"},
        {true, "D:\\Lists\\result.txt", "D:\\Lists\\result.txt"},
        {true, "C:\\Elsewhere\\kept", "C:\\Elsewhere\\kept.txt"},
    };
    for (const Case& k : cases) {
        ui::FileDialogRequest request;
        request.title = "A List File";
        request.defaultExtension = "txt";
        request.initialDirectory = "C:\\";
        bool acceptEnabled = false;
        WhenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(k.typed);
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text().contains(k.save ? "Save" : "Open"))
                    acceptEnabled = button->isEnabled();
            static_cast<QDialog*>(dialog)->accept();
            if (dialog->isVisible())
                dialog->reject();
        });
        EXPECT_EQ(k.save ? desktop.SaveFileName(request) : desktop.OpenFileName(request), k.chosen)
            << k.typed;
        EXPECT_TRUE(acceptEnabled) << k.typed;
    }

    // A drive the program does not have: the box, and the dialog stays.
    scripted.ExpectBox("", ui::Answer::Ok);
    bool stayed = false;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Q:\\lists\\names.txt");
        static_cast<QDialog*>(dialog)->accept();
        stayed = dialog->isVisible();
        dialog->reject();
    });
    ui::FileDialogRequest request;
    request.title = "Open a List File";
    EXPECT_EQ(desktop.OpenFileName(request), "");
    EXPECT_TRUE(stayed);
    EXPECT_NE(scripted.LastBox().text.find("Q:\\lists\\names.txt"), std::string::npos);

    // No folder named by the caller: the last file was chosen in C:\Elsewhere.
    QString directory;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        directory = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(desktop.OpenFileName(request), "");
    EXPECT_EQ(directory.toStdString(), sandbox.Host("C:\\Elsewhere"));
}

TEST(QtDesktop, ShellOpenRefusesWhatIsNotThere) {
    testsupport::DriveSandbox sandbox("D");
    ui::QtDesktop desktop;
    EXPECT_FALSE(desktop.ShellOpen("D:\\no such folder"));
    EXPECT_FALSE(desktop.ShellOpen("Q:\\"));
    EXPECT_FALSE(desktop.ShellOpen(""));
}

} // namespace
