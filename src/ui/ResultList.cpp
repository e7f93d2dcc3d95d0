#include "ui/ResultList.h"

#include "ui/ExtentDelegate.h"
#include "ui/ListControlItems.h"
#include "ui/SteadyScrollBar.h"
#include "ui/TextListModel.h"

#include <QSignalBlocker>

#include <algorithm>

namespace ui {

ResultList::ResultList(QWidget* parent)
    : UniformRowView(parent), model_(new TextListModel(this)), updates_(*this) {
    // First: the view's settings below lay it out, which asks its model.
    setModel(model_);
    FollowModel();
    // As a list box: no editing, sideways scrolling by pixels, texts never elided.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new ExtentDelegate(horizontalExtent_, this));
    // The list grows at every frame of a run; its bars repaint only when what
    // they show moves.
    setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new SteadyScrollBar(Qt::Horizontal, this));
}

int ResultList::Count() const {
    return model_->Count();
}

std::string ResultList::Text(int index) const {
    CheckListIndex(index, Count());
    return model_->Text(index);
}

std::vector<std::string> ResultList::Items() const {
    return model_->Texts();
}

int ResultList::AddItem(const std::string& text) {
    const QSignalBlocker blocker(this);
    model_->Append(text);
    return Count() - 1;
}

void ResultList::AddItems(const std::vector<std::string>& texts) {
    AddItems(std::vector<std::string>(texts));
}

void ResultList::AddItems(std::vector<std::string>&& texts) {
    const QSignalBlocker blocker(this);
    model_->Append(std::move(texts));
}

void ResultList::Clear() {
    const QSignalBlocker blocker(this);
    model_->Clear();
}

} // namespace ui
