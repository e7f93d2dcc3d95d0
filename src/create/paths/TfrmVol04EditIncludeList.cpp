#include "create/paths/TfrmVol04EditIncludeList.h"

#include "common/FrameworkText.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmVol04EditIncludeList.h"

#include <QTextBlock>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

TfrmVol04EditIncludeList* frmVol04EditIncludeList = nullptr;

namespace {

// Whether Trim would leave something of the line.
bool HasText(const QString& line) {
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 32; });
}

} // namespace

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol04EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol04EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol04EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListOk, [this] { btnVol04EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListCancel, [this] { btnVol04EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListHelp, [this] { btnVol04EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol04EditIncludeList::~TfrmVol04EditIncludeList() = default;

void TfrmVol04EditIncludeList::FormCreate() {
    ui_->mmoVol04EditIncludeList->clear();
    mmoVol04EditIncludeListKeyPress();
}

void TfrmVol04EditIncludeList::FormActivate() {
    ui_->mmoVol04EditIncludeList->setFocus();
}

void TfrmVol04EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    ui_->mmoVol04EditIncludeList->clear();
    ui_->mmoVol04EditIncludeList->setPlainText(lines.join('\n'));
}

int TfrmVol04EditIncludeList::NonEmptyLineCount() const {
    const QTextDocument* document = ui_->mmoVol04EditIncludeList->document();
    int count = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (HasText(block.text()))
            ++count;
    }
    return count;
}

void TfrmVol04EditIncludeList::mmoVol04EditIncludeListKeyPress() {
    ui_->lblVol04EditLinesSum->setText(QString::number(NonEmptyLineCount()));
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListOkClick() {
    if (include_) {
        // The Include list keeps the order it is given, so the first of two
        // lines equal but for case is the one that stays.
        std::vector<std::string> kept;
        std::unordered_set<std::string> keys;
        const QTextDocument* document = ui_->mmoVol04EditIncludeList->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            std::string line = Trim(block.text().toStdString());
            if (line.empty())
                continue;
            std::string key = ui::FoldCase(line);
            if (exclude_ && exclude_->ContainsFolded(key))
                continue;
            if (keys.insert(std::move(key)).second)
                kept.push_back(std::move(line));
        }
        include_->Clear();
        include_->AddItems(kept);
    }
    ui_->mmoVol04EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListCancelClick() {
    ui_->mmoVol04EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
