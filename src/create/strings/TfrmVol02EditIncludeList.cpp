#include "create/strings/TfrmVol02EditIncludeList.h"

#include "common/FrameworkText.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmVol02EditIncludeList.h"

#include <QTextBlock>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

TfrmVol02EditIncludeList* frmVol02EditIncludeList = nullptr;

namespace {

// Whether Trim would leave something of the line.
bool HasText(const QString& line) {
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 32; });
}

} // namespace

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol02EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol02EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol02EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol02EditOk, [this] { btnVol02EditOkClick(); });
    ui::OnClicked(ui_->btnVol02EditCancel, [this] { btnVol02EditCancelClick(); });
    ui::OnClicked(ui_->btnVol02EditFormHelp, [this] { btnVol02EditFormHelpClick(); });
    FormCreate();
}

TfrmVol02EditIncludeList::~TfrmVol02EditIncludeList() = default;

void TfrmVol02EditIncludeList::FormCreate() {
    ui_->mmoVol02EditIncludeList->clear();
    mmoVol02EditIncludeListKeyPress();
}

void TfrmVol02EditIncludeList::FormActivate() {
    ui_->mmoVol02EditIncludeList->setFocus();
}

void TfrmVol02EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    ui_->mmoVol02EditIncludeList->clear();
    ui_->mmoVol02EditIncludeList->setPlainText(lines.join('\n'));
}

int TfrmVol02EditIncludeList::NonEmptyLineCount() const {
    const QTextDocument* document = ui_->mmoVol02EditIncludeList->document();
    int count = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (HasText(block.text()))
            ++count;
    }
    return count;
}

void TfrmVol02EditIncludeList::mmoVol02EditIncludeListKeyPress() {
    ui_->lblVol02EditLinesSum->setText(QString::number(NonEmptyLineCount()));
}

void TfrmVol02EditIncludeList::btnVol02EditOkClick() {
    if (include_) {
        // The lines in the order the sorted Include list would give them, so
        // that of two lines equal but for case the one it lists first stays.
        struct Line {
            ui::ListOrderKey key;
            std::string text;
        };
        std::vector<Line> lines;
        const QTextDocument* document = ui_->mmoVol02EditIncludeList->document();
        lines.reserve(static_cast<size_t>(document->blockCount()));
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            std::string text = block.text().toStdString();
            ui::ListOrderKey key(text);
            lines.push_back({std::move(key), std::move(text)});
        }
        // Each line is folded once here, not at every comparison; a list the
        // editor was given comes back in order, which the check sees at once.
        const auto before = [](const Line& a, const Line& b) {
            return ui::CompareListOrderKeys(a.key, a.text, b.key, b.text) < 0;
        };
        if (!std::is_sorted(lines.begin(), lines.end(), before))
            std::stable_sort(lines.begin(), lines.end(), before);

        std::vector<std::string> kept;
        kept.reserve(lines.size());
        std::unordered_set<std::string> keys;
        keys.reserve(lines.size());
        for (const Line& line : lines) {
            std::string item = Trim(line.text);
            if (item.empty())
                continue;
            // The folded line is the item's key unless trimming changed it.
            std::string key = item.size() == line.text.size() ? line.key.folded : ui::FoldCase(item);
            if (exclude_ && exclude_->ContainsFolded(key))
                continue;
            if (!keys.insert(std::move(key)).second)
                continue;
            kept.push_back(std::move(item));
        }
        include_->Clear();
        include_->AddItems(kept);
    }
    ui_->mmoVol02EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol02EditIncludeList::btnVol02EditCancelClick() {
    ui_->mmoVol02EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol02EditIncludeList::btnVol02EditFormHelpClick() {
    frmAltalanosHelp->SetHelpTopic("CreateStrings");
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}
