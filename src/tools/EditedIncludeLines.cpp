#include "tools/EditedIncludeLines.h"

#include "common/FrameworkText.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

void LoadMemoLines(QPlainTextEdit& memo, const ui::ListBox& include) {
    QStringList lines;
    lines.reserve(include.Count());
    for (const std::string& item : include.Items())
        lines.append(QString::fromStdString(item));
    memo.clear();
    memo.setPlainText(lines.join('\n'));
}

int NonEmptyMemoLines(const QPlainTextEdit& memo) {
    int count = 0;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 32; }))
            ++count;
    }
    return count;
}

void ApplyEditedLines(const QPlainTextEdit& memo, ui::ListBox& include, const ui::ListBox* exclude) {
    std::vector<std::string> kept;
    std::unordered_set<std::string> keys;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        std::string line = Trim(block.text().toStdString());
        if (line.empty())
            continue;
        std::string key = ui::FoldCase(line);
        if ((exclude && exclude->ContainsFolded(key)) || !keys.insert(std::move(key)).second)
            continue;
        kept.push_back(std::move(line));
    }
    include.Clear();
    include.AddItems(kept);
}
