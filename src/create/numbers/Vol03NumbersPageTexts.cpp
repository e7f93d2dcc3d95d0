// The increased-numbers page's boxes that the creation pages' shared parts
// show.

#include "create/numbers/Vol03NumbersPage.h"

#include "common/BoxCaption.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.";

} // namespace

CreationPageTexts Vol03NumbersPage::Texts() {
    CreationPageTexts texts = BuildCreationPageTexts(Title + Blanks12, CreationPageColumn::Numbers);
    // These captions have tabs, not blanks, between the title and the kind.
    for (std::string* caption :
         {&texts.run.noStructureCaption, &texts.run.missingStructureCaption, &texts.run.refusalCaption,
          &texts.simulation.noStructureCaption, &texts.simulation.missingStructureCaption,
          &texts.simulation.refusalCaption, &texts.structures.noSelectionCaption,
          &texts.structures.removeCaption, &texts.viewDestinationCaption})
        caption->replace(caption->find(Blanks12), Blanks12.size(), "\t\t\t");
    // And these a blank after the title's dash.
    for (std::string* caption :
         {&texts.run.questionCaption, &texts.simulation.questionCaption, &texts.structures.emptyCaption})
        caption->insert(caption->find("-Increased") + 1, " ");
    texts.suffixCaption.replace(texts.suffixCaption.find("Numbers"), 1, "n");
    texts.otherCreationTabs = {"tabFolderCreate05", "tabFolderCreate03", "tabFolderCreate01"};
    texts.structures.driveText =
        "Do you want to Attach the Entire Disk to every Created Folder ?\nClick YES to Attach,\nClick NO to "
        "Cancel.";
    texts.structures.noSelectionText = "There is no selected Folder Structure !\nAction : You must select a "
                                       "folder with subfolder structure.";
    texts.clearFieldsEndText.pop_back();
    return texts;
}
