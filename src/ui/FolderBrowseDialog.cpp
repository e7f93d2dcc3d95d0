#include "ui/FolderBrowseDialog.h"

#include "platform/Drives.h"
#include "ui/Desktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cctype>

namespace ui {

namespace {

constexpr int kWindowsPathRole = Qt::UserRole;
constexpr int kHostPathRole = Qt::UserRole + 1;
constexpr int kLoadedRole = Qt::UserRole + 2;

const char* const kCaption = "Browse for Folder";

// A name Windows could hold: the tree leaves out folders that no Windows path
// can reach.
bool IsWindowsName(const QString& name) {
    if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (QChar c : name)
        if (c.unicode() < 32 || QStringLiteral("<>:\"|?*\\").contains(c))
            return false;
    return true;
}

std::string JoinWindows(const std::string& parent, const std::string& name) {
    return parent.ends_with('\\') ? parent + name : parent + "\\" + name;
}

// The drive form of a host folder on a given drive, or "" when it is not inside
// that drive's folder.
std::string OnDrive(char letter, const std::string& hostFolder) {
    const platform::DriveTable table = platform::GetDriveTable();
    auto it = table.find(letter);
    if (it == table.end())
        return "";
    const QString root = QDir::cleanPath(QString::fromStdString(it->second));
    const QString host = QDir::cleanPath(QString::fromStdString(hostFolder));
    QString rest;
    if (host == root) {
        rest = "";
    } else if (root == QLatin1String("/") && host.startsWith(QLatin1Char('/'))) {
        rest = host.mid(1);
    } else if (host.startsWith(root + QLatin1Char('/'))) {
        rest = host.mid(root.size() + 1);
    } else {
        return "";
    }
    return std::string(1, letter) + ":\\" + rest.replace(QLatin1Char('/'), QLatin1Char('\\')).toStdString();
}

} // namespace

FolderBrowseDialog::FolderBrowseDialog(QWidget* owner, const std::string& title) : QDialog(owner) {
    setObjectName("FolderBrowseDialog");
    setWindowTitle(kCaption);
    resize(380, 460);

    title_ = new QLabel(QString::fromStdString(title), this);
    title_->setObjectName("lblTitle");
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName("treeFolders");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);

    path_ = new QLineEdit(this);
    path_->setObjectName("edtPath");

    showPath_ = new QCheckBox("Show the edit control.", this);
    showPath_->setObjectName("chkShowEdit");
    showPath_->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("btnOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(tree_, 1);
    layout->addWidget(showPath_);
    layout->addWidget(path_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &FolderBrowseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FolderBrowseDialog::reject);
    connect(showPath_, &QCheckBox::toggled, path_, &QWidget::setVisible);
    connect(tree_, &QTreeWidget::itemExpanded, this, &FolderBrowseDialog::Populate);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &FolderBrowseDialog::OnCurrentChanged);
    connect(path_, &QLineEdit::textEdited, this, [this] {
        edited_ = true;
        UpdateOkButton();
    });

    FillDrives();
    tree_->setCurrentItem(computer_);
    OnCurrentChanged();
}

void FolderBrowseDialog::FillDrives() {
    QStyle* style = QApplication::style();
    computer_ = new QTreeWidgetItem(tree_, QStringList("Computer"));
    computer_->setIcon(0, style->standardIcon(QStyle::SP_ComputerIcon));
    computer_->setData(0, kLoadedRole, true);
    for (const auto& [letter, host] : platform::GetDriveTable()) {
        const std::string root = std::string(1, letter) + ":\\";
        auto* drive = new QTreeWidgetItem(computer_, QStringList(QString::fromStdString(root) + "   (" +
                                                                 QString::fromStdString(host) + ")"));
        drive->setIcon(0, style->standardIcon(QStyle::SP_DriveHDIcon));
        drive->setData(0, kWindowsPathRole, QString::fromStdString(root));
        drive->setData(0, kHostPathRole, QString::fromStdString(host));
        drive->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    computer_->setExpanded(true);
}

void FolderBrowseDialog::Populate(QTreeWidgetItem* item) {
    if (!item || item->data(0, kLoadedRole).toBool())
        return;
    item->setData(0, kLoadedRole, true);
    const QString host = item->data(0, kHostPathRole).toString();
    const std::string windows = item->data(0, kWindowsPathRole).toString().toStdString();
    const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    const QFileInfoList folders =
        QDir(host).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& folder : folders) {
        if (!IsWindowsName(folder.fileName()))
            continue;
        auto* child = new QTreeWidgetItem(item, QStringList(folder.fileName()));
        child->setIcon(0, folderIcon);
        child->setData(0, kWindowsPathRole,
                       QString::fromStdString(JoinWindows(windows, folder.fileName().toStdString())));
        child->setData(0, kHostPathRole, folder.filePath());
        child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QTreeWidgetItem* FolderBrowseDialog::ChildNamed(QTreeWidgetItem* parent, const QString& name) {
    Populate(parent);
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == name)
            return parent->child(i);
    // A folder the tree leaves out (a hidden one) that the caller asked for.
    const QString host = QDir(parent->data(0, kHostPathRole).toString()).filePath(name);
    if (!QFileInfo(host).isDir() || !IsWindowsName(name))
        return nullptr;
    auto* child = new QTreeWidgetItem(parent, QStringList(name));
    child->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirIcon));
    child->setData(0, kWindowsPathRole,
                   QString::fromStdString(JoinWindows(
                       parent->data(0, kWindowsPathRole).toString().toStdString(), name.toStdString())));
    child->setData(0, kHostPathRole, host);
    child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return child;
}

bool FolderBrowseDialog::SelectFolder(const std::string& windowsPath) {
    const std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host || !QFileInfo(QString::fromStdString(*host)).isDir())
        return false;
    char letter = 0;
    if (windowsPath.size() >= 2 && windowsPath[1] == ':') {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath[0])));
    } else {
        const std::optional<std::string> full = platform::ToWindowsPath(*host);
        if (!full)
            return false;
        letter = (*full)[0];
    }
    const std::string driveForm = OnDrive(letter, *host);
    if (driveForm.empty())
        return false;

    QTreeWidgetItem* item = nullptr;
    const QString root = QString::fromStdString(std::string(1, letter) + ":\\");
    for (int i = 0; i < computer_->childCount() && !item; ++i)
        if (computer_->child(i)->data(0, kWindowsPathRole).toString() == root)
            item = computer_->child(i);
    if (!item)
        return false;
    const QStringList names = QString::fromStdString(driveForm.substr(3)).split('\\', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        QTreeWidgetItem* child = ChildNamed(item, name);
        if (!child)
            return false;
        item->setExpanded(true);
        item = child;
    }
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
    return true;
}

bool FolderBrowseDialog::SelectHostFolder(const std::string& hostPath) {
    const std::optional<std::string> windows =
        platform::ToWindowsPath(QDir::cleanPath(QString::fromStdString(hostPath)).toStdString());
    return windows && SelectFolder(*windows);
}

std::string FolderBrowseDialog::SelectedFolder() const {
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->data(0, kWindowsPathRole).toString().toStdString() : std::string();
}

void FolderBrowseDialog::OnCurrentChanged() {
    path_->setText(QString::fromStdString(SelectedFolder()));
    edited_ = false;
    UpdateOkButton();
}

void FolderBrowseDialog::UpdateOkButton() {
    ok_->setEnabled(!SelectedFolder().empty() || (edited_ && !path_->text().trimmed().isEmpty()));
}

void FolderBrowseDialog::Refuse(const std::string& text) {
    ShowBox(this, kCaption, text, Icon::Warning);
}

std::string FolderBrowseDialog::ResolveTyped(const std::string& typed) {
    // Lines pasted at once: the dialog picks one folder, and no folder name
    // holds a line break.
    for (char c : typed) {
        if (static_cast<unsigned char>(c) < 32) {
            Refuse("The text holds more than one line or a control character.\n\nType or paste the full path "
                   "of one folder.");
            return "";
        }
    }
    if (typed.starts_with('/') || typed.starts_with('~')) {
        QString host = QString::fromStdString(typed);
        if (host.startsWith(QLatin1Char('~')))
            host = QDir::homePath() + host.mid(1);
        host = QDir::cleanPath(host);
        const std::optional<std::string> windows = platform::ToWindowsPath(host.toStdString());
        if (!windows) {
            Refuse("The folder\n" + host.toStdString() +
                   "\nlies outside every drive of the program.\n\nPick a folder on one of the drives in the "
                   "list.");
            return "";
        }
        if (!QFileInfo(host).isDir()) {
            Refuse("The folder\n" + host.toStdString() + "\ndoes not exist.\n\nPick an existing folder.");
            return "";
        }
        return *windows;
    }
    if (typed.size() < 2 || typed[1] != ':' || !std::isalpha(static_cast<unsigned char>(typed[0]))) {
        Refuse("\"" + typed +
               "\" is not a full path.\n\nType a path with its drive, such as C:\\Work, or pick a folder in "
               "the list.");
        return "";
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(typed[0])));
    if (!platform::GetDriveTable().count(letter)) {
        Refuse(std::string("There is no drive ") + letter +
               ":.\n\nPick a folder on one of the drives in the list.");
        return "";
    }
    const std::optional<std::string> host = platform::ToHostPath(typed);
    const std::string driveForm =
        host && QFileInfo(QString::fromStdString(*host)).isDir() ? OnDrive(letter, *host) : std::string();
    if (driveForm.empty()) {
        Refuse("The folder\n" + typed +
               "\ndoes not exist.\n\nPick an existing folder, or type its full path.");
        return "";
    }
    return driveForm;
}

void FolderBrowseDialog::accept() {
    std::string chosen;
    const std::string typed = path_->text().trimmed().toStdString();
    if (edited_ && !path_->isHidden() && !typed.empty()) {
        chosen = ResolveTyped(typed);
        if (chosen.empty())
            return;
    } else {
        chosen = SelectedFolder();
        if (chosen.empty())
            return;
        // The tree may be older than the folder's removal.
        if (!QFileInfo(tree_->currentItem()->data(0, kHostPathRole).toString()).isDir()) {
            Refuse("The folder\n" + chosen + "\ndoes not exist any more.\n\nPick an existing folder.");
            return;
        }
    }
    result_ = chosen;
    QDialog::accept();
}

} // namespace ui
