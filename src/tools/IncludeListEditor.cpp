#include "tools/IncludeListEditor.h"

#include "common/FrameworkText.h"
#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

void ApplyEditedLinesInListOrder(const QPlainTextEdit& memo, ui::ListBox& include,
                                 const ui::ListBox* exclude) {
    struct Line {
        ui::ListOrderKey key;
        std::string text;
    };
    std::vector<Line> lines;
    const QTextDocument* document = memo.document();
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
        if (exclude && exclude->ContainsFolded(key))
            continue;
        if (!keys.insert(std::move(key)).second)
            continue;
        kept.push_back(std::move(item));
    }
    include.Clear();
    include.AddItems(kept);
}

} // namespace

IncludeListEditor::IncludeListEditor(QWidget* parent) : ui::Form(parent) {
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
}

void IncludeListEditor::Attach(const IncludeListEditorControls& controls, LineOrder order,
                               std::function<void()> help) {
    memo_ = controls.memo;
    lineCount_ = controls.lineCount;
    order_ = order;
    ui::Connect(memo_, &QPlainTextEdit::textChanged, this, [this] { ShowLineCount(); });
    ui::OnClicked(controls.ok, [this] { AcceptLines(); });
    ui::OnClicked(controls.cancel, [this] { DiscardLines(); });
    if (!help)
        help = [] {
            if (frmMoreHelp)
                ui::desktop().ShowModal(*frmMoreHelp);
        };
    ui::OnClicked(controls.help, std::move(help));
    FormCreate();
}

void IncludeListEditor::FormCreate() {
    memo_->clear();
    ShowLineCount();
}

void IncludeListEditor::FormActivate() {
    memo_->setFocus();
}

void IncludeListEditor::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*memo_, include);
}

int IncludeListEditor::NonEmptyLineCount() const {
    return NonEmptyMemoLines(*memo_);
}

void IncludeListEditor::ShowLineCount() {
    lineCount_->setText(QString::number(NonEmptyLineCount()));
}

void IncludeListEditor::AcceptLines() {
    if (include_) {
        if (order_ == LineOrder::ListOrder)
            ApplyEditedLinesInListOrder(*memo_, *include_, exclude_);
        else
            ApplyEditedLines(*memo_, *include_, exclude_);
    }
    memo_->clear();
    SetModalResult(ui::Answer::Ok);
}

void IncludeListEditor::DiscardLines() {
    memo_->clear();
    SetModalResult(ui::Answer::Cancel);
}
