#include "tools/ExampleSamples.h"

#include "ui/ListBox.h"

std::vector<std::string> SampleMainStructures() {
    return {"e:\\Marketing", "f:\\Programs"};
}

std::vector<std::string> SampleSubStructures() {
    return {"e:\\Marketing\\E-mails", "e:\\Marketing\\SEO", "f:\\Programs\\Beta", "f:\\Programs\\Final"};
}

void ShowExampleList(ui::ListBox& list, const std::vector<std::string>& items) {
    list.BeginUpdate();
    list.Clear();
    list.AddItems(items);
    list.EndUpdate();
}
