#include "ui/WindowsPathFileDialog.h"

#include "platform/Drives.h"
#include "ui/Desktop.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

bool HasDrive(const std::string& text) {
    return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

QLineEdit* NameField(const QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QPushButton* AcceptButton(const QFileDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!buttons)
        return nullptr;
    for (QAbstractButton* button : buttons->buttons())
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            return qobject_cast<QPushButton*>(button);
    return nullptr;
}

} // namespace

WindowsPathFileDialog::WindowsPathFileDialog(QWidget* parent, const QString& caption)
    : QFileDialog(parent, caption) {
    // The system's own dialog would bypass the name field handled here.
    setOption(QFileDialog::DontUseNativeDialog);
    if (QLineEdit* name = NameField(*this))
        connect(name, &QLineEdit::textChanged, this, &WindowsPathFileDialog::EnableAcceptForProgramPath);
}

std::optional<std::string> WindowsPathFileDialog::HostFormOfTyped(const std::string& typed) {
    if (HasDrive(typed))
        return platform::ToHostPath(typed);
    std::string host = typed;
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

void WindowsPathFileDialog::EnableAcceptForProgramPath() {
    QLineEdit* name = NameField(*this);
    QPushButton* button = AcceptButton(*this);
    if (!name || !button)
        return;
    const std::string typed = name->text().trimmed().toStdString();
    if (!HasDrive(typed) && typed.find('\\') == std::string::npos)
        return;
    const std::optional<std::string> host = HostFormOfTyped(typed);
    if (!host)
        return;
    const QFileInfo info(QString::fromStdString(*host));
    if (acceptMode() == QFileDialog::AcceptSave || info.exists())
        button->setEnabled(true);
}

void WindowsPathFileDialog::accept() {
    if (QLineEdit* name = NameField(*this)) {
        const std::string typed = name->text().trimmed().toStdString();
        if (HasDrive(typed) || typed.find('\\') != std::string::npos) {
            const std::optional<std::string> host = HostFormOfTyped(typed);
            if (!host) {
                ShowBox(this, windowTitle().toStdString(),
                        "The drive of\n" + typed +
                            "\nis not one of the program's drives.\n\nChoose a file on one of them.",
                        Icon::Warning);
                return;
            }
            // Qt's dialog goes on from a host path: into a folder, or out with a file.
            name->setText(QString::fromStdString(*host));
        }
    }
    QFileDialog::accept();
}

} // namespace ui
