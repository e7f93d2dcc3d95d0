#include "create/engine/RunEndBox.h"

#include "common/FrameworkText.h"

std::string UncreatedLine(const CreationCounters& counters) {
    const CounterRow& other = counters.Other;
    if (other.SubFolders <= 0 && other.Files <= 0)
        return {};
    return "\n\nNot created (other reasons) : " + FloatToStr(other.SubFolders) + " subfolder(s) and " +
           FloatToStr(other.Files) + " file(s) of the folder structures.";
}

void ShowRunEndBox(QWidget* owner, const std::string& caption, const std::string& text,
                   const CreationCounters& counters, ui::Icon usualIcon) {
    const std::string line = UncreatedLine(counters);
    ui::ShowBox(owner, caption, text + line, line.empty() ? usualIcon : ui::Icon::Warning);
}
