#include "manage/delete/TfrmVol07EditIncludeList.h"

#include "common/FrameworkText.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmVol07EditIncludeList.h"

#include <QTextBlock>

#include <string>
#include <unordered_set>
#include <vector>

TfrmVol07EditIncludeList* frmVol07EditIncludeList = nullptr;

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol07EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol07EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol07EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListOk, [this] { btnVol07EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListCancel, [this] { btnVol07EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListHelp, [this] { btnVol07EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol07EditIncludeList::~TfrmVol07EditIncludeList() = default;

void TfrmVol07EditIncludeList::FormCreate() {
    ui_->lblVol07EditLinesSum->setText("0");
    mmoVol07EditIncludeListKeyPress();
}

void TfrmVol07EditIncludeList::FormActivate() {
    ui_->mmoVol07EditIncludeList->setFocus();
}

void TfrmVol07EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    ui_->mmoVol07EditIncludeList->clear();
    ui_->mmoVol07EditIncludeList->setPlainText(lines.join('\n'));
}

void TfrmVol07EditIncludeList::mmoVol07EditIncludeListKeyPress() {
    int count = 0;
    const QTextDocument* document = ui_->mmoVol07EditIncludeList->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!Trim(block.text().toStdString()).empty())
            ++count;
    }
    ui_->lblVol07EditLinesSum->setText(QString::number(count));
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListOkClick() {
    if (include_) {
        std::vector<std::string> kept;
        std::unordered_set<std::string> keys;
        const QTextDocument* document = ui_->mmoVol07EditIncludeList->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            std::string line = Trim(block.text().toStdString());
            if (line.empty())
                continue;
            std::string key = ui::FoldCase(line);
            if ((exclude_ && exclude_->ContainsFolded(key)) || !keys.insert(std::move(key)).second)
                continue;
            kept.push_back(std::move(line));
        }
        include_->Clear();
        include_->AddItems(kept);
    }
    ui_->mmoVol07EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListCancelClick() {
    ui_->mmoVol07EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
