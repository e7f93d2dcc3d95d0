#include "manage/shared/WindowResults.h"

#include "ui/Desktop.h"
#include "ui/Form.h"

void TakeWindowResults(const WindowResults& take) {
    const ui::Answer answer = ui::desktop().ShowModal(*take.window);
    const std::vector<std::string> lines = take.results();
    if (lines.empty()) {
        ui::ShowBox(take.owner, take.emptyCaption, take.emptyText, ui::Icon::Warning);
        return;
    }
    if (answer == ui::Answer::Ok)
        take.add(lines);
    take.refresh();
}
