#pragma once
// A QListWidget laid out by arithmetic (UniformRowView): the base of the list
// box, whose items are its own.

#include "ui/UniformRowView.h"

#include <QListWidget>

namespace ui {

class UniformRowList : public UniformRowView<QListWidget> {
    Q_OBJECT
public:
    explicit UniformRowList(QWidget* parent = nullptr) : UniformRowView(parent) { FollowModel(); }
};

} // namespace ui
