#include "manage/rename/TfrmVol06EditIncludeList.h"

#include "common/FrameworkText.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmVol06EditIncludeList.h"

#include <QTextBlock>

#include <string>
#include <unordered_set>
#include <vector>

TfrmVol06EditIncludeList* frmVol06EditIncludeList = nullptr;

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol06EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol06EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol06EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol06EditIncludeListOk, [this] { btnVol06EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol06EditIncludelistCancel, [this] { btnVol06EditIncludelistCancelClick(); });
    ui::OnClicked(ui_->btnVol06EditIncludeListHelp, [this] { btnVol06EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol06EditIncludeList::~TfrmVol06EditIncludeList() = default;

void TfrmVol06EditIncludeList::FormCreate() {
    ui_->lblVol06EditLinesSum->setText("0");
    mmoVol06EditIncludeListKeyPress();
}

void TfrmVol06EditIncludeList::FormActivate() {
    ui_->mmoVol06EditIncludeList->setFocus();
}

void TfrmVol06EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    ui_->mmoVol06EditIncludeList->clear();
    ui_->mmoVol06EditIncludeList->setPlainText(lines.join('\n'));
}

void TfrmVol06EditIncludeList::mmoVol06EditIncludeListKeyPress() {
    int count = 0;
    const QTextDocument* document = ui_->mmoVol06EditIncludeList->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!Trim(block.text().toStdString()).empty())
            ++count;
    }
    ui_->lblVol06EditLinesSum->setText(QString::number(count));
}

void TfrmVol06EditIncludeList::btnVol06EditIncludeListOkClick() {
    if (include_) {
        std::vector<std::string> kept;
        std::unordered_set<std::string> keys;
        const QTextDocument* document = ui_->mmoVol06EditIncludeList->document();
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
    ui_->mmoVol06EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol06EditIncludeList::btnVol06EditIncludelistCancelClick() {
    ui_->mmoVol06EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol06EditIncludeList::btnVol06EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
