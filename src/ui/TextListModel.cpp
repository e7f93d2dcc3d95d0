#include "ui/TextListModel.h"

#include <algorithm>

namespace ui {

const std::string& TextListModel::Text(int row) const {
    // The last batch that begins at or before the row.
    const auto batch = std::upper_bound(firstRows_.begin(), firstRows_.end(), row) - 1;
    const size_t index = static_cast<size_t>(batch - firstRows_.begin());
    return batches_[index][static_cast<size_t>(row - *batch)];
}

std::vector<std::string> TextListModel::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(count_));
    for (const std::vector<std::string>& batch : batches_)
        texts.insert(texts.end(), batch.begin(), batch.end());
    return texts;
}

void TextListModel::Append(std::vector<std::string>&& texts) {
    if (texts.empty())
        return;
    beginInsertRows(QModelIndex(), count_, count_ + static_cast<int>(texts.size()) - 1);
    firstRows_.push_back(count_);
    count_ += static_cast<int>(texts.size());
    batches_.push_back(std::move(texts));
    endInsertRows();
}

void TextListModel::Append(const std::string& text) {
    beginInsertRows(QModelIndex(), count_, count_);
    if (batches_.empty()) {
        batches_.emplace_back();
        firstRows_.push_back(0);
    }
    batches_.back().push_back(text);
    ++count_;
    endInsertRows();
}

void TextListModel::Clear() {
    beginResetModel();
    batches_.clear();
    firstRows_.clear();
    count_ = 0;
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_ || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return QString::fromStdString(Text(index.row()));
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace ui
