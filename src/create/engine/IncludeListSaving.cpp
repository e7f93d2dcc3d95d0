#include "create/engine/IncludeListSaving.h"

#include "tools/ListFileStreams.h"
#include "ui/Desktop.h"

std::optional<bool> SaveIncludeList(QWidget* owner, const std::string& filter,
                                    const std::vector<std::string>& items,
                                    const std::function<bool(const std::string&)>& accept) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.title = "Save As";
    request.filter = filter;
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().SaveFileName(request);
    if (fileName.empty())
        return std::nullopt;
    std::optional<std::ofstream> out = CreateListFile(fileName);
    if (!out)
        return false;
    for (const std::string& item : items) {
        if (accept(item))
            *out << item << "\n";
    }
    out->close();
    return !out->fail();
}
