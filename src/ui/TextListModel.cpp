#include "ui/TextListModel.h"

#include <iterator>

namespace ui {

void TextListModel::Append(std::vector<std::string>&& texts) {
    if (texts.empty())
        return;
    const int first = static_cast<int>(texts_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(texts.size()) - 1);
    if (texts_.empty())
        texts_ = std::move(texts);
    else
        texts_.insert(texts_.end(), std::make_move_iterator(texts.begin()),
                      std::make_move_iterator(texts.end()));
    endInsertRows();
}

void TextListModel::Append(const std::string& text) {
    const int row = static_cast<int>(texts_.size());
    beginInsertRows(QModelIndex(), row, row);
    texts_.push_back(text);
    endInsertRows();
}

void TextListModel::Clear() {
    beginResetModel();
    texts_.clear();
    texts_.shrink_to_fit();
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(texts_.size()) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return QString::fromStdString(texts_[static_cast<size_t>(index.row())]);
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace ui
