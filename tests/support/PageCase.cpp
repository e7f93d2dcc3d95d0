#include "support/PageCase.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace testsupport {

PageCase::PageCase(uint32_t seed, const fs::path& driveRoot, CaseTwins twins)
    : random(seed), inputs(seed), name("c" + std::to_string(seed)), windowsPath("D:\\" + name),
      base(driveRoot / name), root(driveRoot.parent_path()),
      tree(random, base / "O", twins == CaseTwins::Allowed) {}

void PageCase::NoteItems(const std::string& what, const std::vector<std::string>& items,
                         const std::string& after) {
    std::string noted = what;
    for (const std::string& item : items)
        noted += " [" + item + "]";
    inputs.Note(noted + after);
}

bool PageCase::Run(PagePropertySteps steps) {
    if (steps.undo) {
        if (steps.park.empty())
            steps.park = base / "O" / "park";
        if (steps.precious.empty())
            steps.precious = tree.Precious();
        steps.undo = [this, undo = steps.undo] {
            answers.Forget();
            undo();
            inputs.Note("Undo's boxes: " + answers.ShownTexts());
        };
    }
    if (!steps.betweenItems)
        steps.betweenItems = [this](std::function<void()> hook) {
            answers.OnProcessMessages(std::move(hook));
        };
    return RunPagePropertyCase(root, random, inputs, steps);
}

std::function<void()> Clicking(QAbstractButton* button) {
    return [button] {
        if (button->isEnabled())
            button->click();
        else
            ADD_FAILURE() << "disabled: " << button->objectName().toStdString();
    };
}

std::function<std::string()> Clicking(QAbstractButton* button, const std::function<std::string()>& shown) {
    return [click = Clicking(button), shown] {
        click();
        return shown();
    };
}

void ForEachPageCase(uint32_t firstSeed, const fs::path& driveRoot, CaseTwins twins,
                     const std::function<bool(PageCase&)>& body) {
    constexpr int CasesPerPage = 200;
    for (uint32_t seed : PropertySeeds(firstSeed, CasesPerPage)) {
        PageCase pageCase(seed, driveRoot, twins);
        const bool passed = body(pageCase);
        RemoveCaseFolder(pageCase.base);
        if (!passed)
            break;
    }
}

} // namespace testsupport
