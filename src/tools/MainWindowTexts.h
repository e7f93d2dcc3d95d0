#pragma once
// Texts the main window sets when it is created and its pages show later: the
// confirmation and end messages of the simulations, the hint about selecting
// files, and the two names of the active file-type choice.

#include <string>

struct MainWindowTexts {
    std::string CreateSimulationIntroText;
    std::string CreateSimulationEndText;
    std::string RenameSimulationIntroText;
    std::string RenameSimulationEndText;
    std::string DeleteSimulationIntroText;
    std::string DeleteSimulationEndText;
    std::string CopySimulationIntroText;
    std::string CopySimulationEndText;
    std::string SelectFilesHintText;
    std::string AllFileTypesText;
    std::string UserSelectedFileTypesText;
};
