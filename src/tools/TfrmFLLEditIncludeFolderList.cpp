#include "tools/TfrmFLLEditIncludeFolderList.h"

#include "common/FrameworkText.h"
#include "tools/TfrmMoreHelp.h"
#include "tools/UpdatePacer.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFLLEditIncludeFolderList.h"

#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

TfrmFLLEditIncludeFolderList* frmFLLEditIncludeFolderList = nullptr;

namespace {

const std::string Caption = "Folder Level List Builder.            Warning no: ";
const std::string LimitText = "The limit is 30,000 Folders.";

// Whether Trim would leave something of the line.
bool HasText(const QString& line) {
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 32; });
}

} // namespace

TfrmFLLEditIncludeFolderList::TfrmFLLEditIncludeFolderList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFLLEditIncludeFolderList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoEditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoEditIncludeListKeyPress(); });
    ui::Connect(ui_->mmoEditIncludeList, &QPlainTextEdit::cursorPositionChanged, this,
                [this] { mmoEditIncludeListCaretMoved(); });
    ui::OnClicked(ui_->btnEditIncludeListOk, [this] { btnEditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnEditIncludeCancel, [this] { btnEditIncludeCancelClick(); });
    ui::OnClicked(ui_->btnEditIncludeHelp, [this] { btnEditIncludeHelpClick(); });
    FormCreate();
}

TfrmFLLEditIncludeFolderList::~TfrmFLLEditIncludeFolderList() = default;

void TfrmFLLEditIncludeFolderList::FormCreate() {
    ui_->mmoEditIncludeList->clear();
    mmoEditIncludeListKeyPress();
}

void TfrmFLLEditIncludeFolderList::FormActivate() {
    ui_->mmoEditIncludeList->setFocus();
}

bool TfrmFLLEditIncludeFolderList::LoadList(ui::ListBox& include, const ui::ListBox& exclude,
                                            QLabel* includeSum) {
    if (include.Count() > MaxLines) {
        ui::ShowBox(parentWidget(), Caption + "0012.", LimitText, ui::Icon::Warning);
        return false;
    }
    include_ = &include;
    exclude_ = &exclude;
    includeSum_ = includeSum;
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    ui_->mmoEditIncludeList->clear();
    ui_->mmoEditIncludeList->setPlainText(lines.join('\n'));
    return true;
}

int TfrmFLLEditIncludeFolderList::NonEmptyLineCount() const {
    const QTextDocument* document = ui_->mmoEditIncludeList->document();
    int count = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (HasText(block.text()))
            ++count;
    }
    return count;
}

void TfrmFLLEditIncludeFolderList::CutToLimit() {
    QTextDocument* document = ui_->mmoEditIncludeList->document();
    int count = 0;
    QTextBlock block = document->begin();
    for (; block.isValid(); block = block.next()) {
        if (HasText(block.text()) && ++count == MaxLines)
            break;
    }
    if (!block.isValid())
        return;
    QTextCursor cursor(document);
    cursor.setPosition(block.position() + block.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TfrmFLLEditIncludeFolderList::mmoEditIncludeListKeyPress() {
    if (cutting_)
        return;
    int count = NonEmptyLineCount();
    if (count > MaxLines) {
        cutting_ = true;
        CutToLimit();
        cutting_ = false;
        count = NonEmptyLineCount();
        ui_->lblEditLinesSum->setText(QString::number(count));
        ui::ShowBox(this, Caption + "0013.", LimitText, ui::Icon::Warning);
        return;
    }
    ui_->lblEditLinesSum->setText(QString::number(count));
}

void TfrmFLLEditIncludeFolderList::mmoEditIncludeListCaretMoved() {
    ui_->lblEditLinesCurrent->setText(
        QString::number(ui_->mmoEditIncludeList->textCursor().blockNumber() + 1));
}

void TfrmFLLEditIncludeFolderList::btnEditIncludeListOkClick() {
    if (okRunning_)
        return;
    if (include_) {
        okRunning_ = true;
        // The lines are taken out first: the running count lets input run,
        // which must not change the text under the loop.
        std::vector<std::string> lines;
        const QTextDocument* document = ui_->mmoEditIncludeList->document();
        lines.reserve(static_cast<size_t>(document->blockCount()));
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            lines.push_back(block.text().toStdString());

        std::vector<std::string> kept;
        std::unordered_set<std::string> keys;
        kept.reserve(lines.size());
        keys.reserve(lines.size());
        UpdatePacer pacer;
        for (const std::string& line : lines) {
            std::string item = Trim(line);
            if (item.empty())
                continue;
            std::string key = ui::FoldCase(item);
            if (exclude_ && exclude_->ContainsFolded(key))
                continue;
            if (!keys.insert(std::move(key)).second)
                continue;
            kept.push_back(std::move(item));
            if (includeSum_ && pacer.Due()) {
                includeSum_->setText(QString::number(kept.size()));
                ui::desktop().ProcessMessages();
            }
        }
        include_->BeginUpdate();
        include_->Clear();
        include_->AddItems(kept);
        include_->EndUpdate();
        if (includeSum_)
            includeSum_->setText(QString::number(include_->Count()));
        okRunning_ = false;
    }
    ui_->mmoEditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmFLLEditIncludeFolderList::btnEditIncludeCancelClick() {
    ui_->mmoEditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmFLLEditIncludeFolderList::btnEditIncludeHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
