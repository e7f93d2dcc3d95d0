#include "ui/QtDesktop.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/Form.h"
#include "ui/PendingEventPacer.h"
#include "ui/WindowsPathFileDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace ui {

namespace {

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Abort:
        return QMessageBox::Abort;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    case Answer::None:
        break;
    }
    return QMessageBox::NoButton;
}

Answer FromQt(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::None;
    }
}

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::string Trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

std::string RunFileDialog(const FileDialogRequest& request, bool save, std::string& lastFolder) {
    WindowsPathFileDialog dialog(request.owner, QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The person sees the framework's descriptions ("All Files (*.*)"), the
    // dialog matches by the patterns appended to them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = ToQtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    std::string extension = request.defaultExtension;
    while (extension.starts_with('.'))
        extension.erase(0, 1);
    if (!extension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(extension));

    // The folder the caller names, else the one a file was last chosen in,
    // else the current directory: the first of them that is still there.
    for (const std::string& start :
         {request.initialDirectory, lastFolder, platform::GetCurrentDirectoryA()}) {
        if (start.empty())
            continue;
        if (std::optional<std::string> host = platform::ToHostPath(start);
            host && QFileInfo(QString::fromStdString(*host)).isDir()) {
            dialog.setDirectory(QString::fromStdString(*host));
            break;
        }
    }
    if (!request.fileName.empty()) {
        const bool isPath = request.fileName.find_first_of("\\:/") != std::string::npos;
        std::optional<std::string> host = isPath ? platform::ToHostPath(request.fileName) : request.fileName;
        if (host)
            dialog.selectFile(QString::fromStdString(*host));
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    const std::string chosen = QDir::cleanPath(dialog.selectedFiles().first()).toStdString();
    std::optional<std::string> windows = platform::ToWindowsPath(chosen);
    if (!windows) {
        const std::string caption = request.title.empty() ? (save ? "Save As" : "Open") : request.title;
        ShowBox(request.owner, caption,
                "The file\n" + chosen +
                    "\nlies outside every drive of the program, so it cannot be used.\n\n"
                    "Choose a file on one of the program's drives.",
                Icon::Warning);
        return "";
    }
    lastFolder = windows->substr(0, windows->find_last_of('\\') + 1);
    return *windows;
}

} // namespace

std::string ApplicationTitle() {
    return QGuiApplication::applicationDisplayName().toStdString();
}

QStringList ToQtNameFilters(const std::string& filter) {
    QStringList result;
    const QStringList parts = QString::fromStdString(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            if (p.isEmpty())
                continue;
            // On Windows "*.*" matches every name, also one without a dot.
            patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            continue;
        result << description + " (" + patterns.join(' ') + ")";
    }
    return result;
}

Answer QtDesktop::MessageBox(const MessageBoxRequest& request) {
    QMessageBox box(request.owner);
    box.setWindowTitle(QString::fromStdString(request.caption));
    // Plain text: many texts hold "<...>", which must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(ToQt(request.icon));
    // The box wraps at a width of its own choosing, which leaves the last word
    // of a long line alone on the next one; the text's longest line sets the
    // least width instead (no wider than most of the screen).
    int longest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        longest = std::max(longest, box.fontMetrics().horizontalAdvance(line));
    const QScreen* screen = request.owner ? request.owner->screen() : QGuiApplication::primaryScreen();
    const int most = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
    box.setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(std::min(longest + 8, most)));
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (request.buttons) {
    case Buttons::Ok:
        buttons = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        break;
    case Buttons::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        first = QMessageBox::Yes;
        break;
    }
    box.setStandardButtons(buttons);
    QMessageBox::StandardButton wantedDefault = ToQt(request.defaultButton);
    box.setDefaultButton(buttons.testFlag(wantedDefault) ? wantedDefault : first);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (request.buttons == Buttons::Ok)
        box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    Answer answer = FromQt(box.standardButton(box.clickedButton()));
    if (answer != Answer::None)
        return answer;
    // Closed some other way: the box's way of saying no.
    switch (request.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

Answer QtDesktop::ShowModal(Form& window) {
    window.BeginModal();
    const int code = window.exec();
    // Closing by the title bar or Esc rejects the dialog without a modal
    // result; the framework calls that Cancel.
    if (window.ModalResult() == Answer::None)
        window.SetModalResult(code == QDialog::Accepted ? Answer::Ok : Answer::Cancel);
    return window.ModalResult();
}

std::string QtDesktop::BrowseForFolder(QWidget* owner, const std::string& title) {
    FolderBrowseDialog dialog(owner, title);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : std::string();
}

std::string QtDesktop::OpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, false, lastFileFolder_);
}

std::string QtDesktop::SaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, true, lastFileFolder_);
}

bool QtDesktop::ShellOpen(const std::string& target) {
    const std::string trimmed = Trimmed(target);
    const QString text = QString::fromStdString(trimmed);
    for (const char* scheme : {"http://", "https://", "mailto:", "ftp://"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QDesktopServices::openUrl(QUrl(text));
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QDesktopServices::openUrl(QUrl("http://" + text));
    const std::optional<std::string> host = platform::ToHostPath(trimmed);
    if (trimmed.empty() || !host || !QFileInfo::exists(QString::fromStdString(*host)))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(*host)));
}

void QtDesktop::ProcessMessages() {
    ProcessPendingEventsWhenDue();
}

void QtDesktop::ShowFrameworkError(const std::string& text) {
    MessageBoxRequest request;
    request.owner = QApplication::activeWindow();
    request.caption = ApplicationTitle();
    request.text = text;
    request.icon = Icon::Stop;
    MessageBox(request);
}

void QtDesktop::ShowMessage(const std::string& text) {
    MessageBoxRequest request;
    request.owner = QApplication::activeWindow();
    request.caption = ApplicationTitle();
    request.text = text;
    MessageBox(request);
}

} // namespace ui
