#include "ui/ListControlItems.h"

#include "ui/FrameworkError.h"

namespace ui {

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw FrameworkError("List index out of bounds (" + std::to_string(index) + ")");
}

QStringList ToQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

} // namespace ui
