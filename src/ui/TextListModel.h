#pragma once
// One column of UTF-8 texts as a Qt model. The texts stay std::string: a
// QString is made only when a view asks for a row's text, which it does for
// the rows it paints or measures, so a list that grows by thousands of rows
// costs the rows' strings and nothing more. A batch handed over is kept as
// it came, so appending it touches none of its texts.

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace ui {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int Count() const { return count_; }
    // 0 <= row < Count().
    const std::string& Text(int row) const;
    std::vector<std::string> Texts() const;
    // At the end, in one insertion.
    void Append(std::vector<std::string>&& texts);
    void Append(const std::string& text);
    void Clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The batches in row order, and the row each begins at.
    std::vector<std::vector<std::string>> batches_;
    std::vector<int> firstRows_;
    int count_ = 0;
};

} // namespace ui
