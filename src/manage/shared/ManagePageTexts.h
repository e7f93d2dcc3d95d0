#pragma once
// The captions of a rename, delete or copy page's boxes about its lists, list
// files and level builder, and the warnings of its visual log's Smart Export
// buttons. Captions are each page's own, letter for letter; they follow no
// pattern across the pages, so they stand side by side, a column a page. The
// texts under them are the same on every page and live with the code that
// shows them, except the few a page words its own way.

#include "manage/shared/ManagePage.h"

#include <optional>
#include <string>
#include <vector>

struct ManageListCaptions {
    std::string builderEmpty; // the level builder window gave no lines
    std::string importEmpty;  // the import window gave no lines
    std::string addEmpty;     // the browse dialog gave no folder
    std::string addInInclude; // the browsed folder is in the Include list
    std::string addInExclude; // ... in the Exclude list
    std::string excludeEmpty; // Delete from an empty Exclude list
    std::string excludeAsk;   // question: delete the selected Exclude lines?
    std::string viewNoSelection;
    std::string exportEmpty; // Smart Export of an empty Include list
    std::string clearAsk;    // question: clear every field?
    std::string clearDone;
    std::string excludeAllEmpty; // Delete All of an empty Exclude list
    std::string excludeAllAsk;   // question: empty the Exclude list?
};

struct ManageListFileCaptions {
    std::string notTxt;
    std::string openFailed;
    std::string clearInclude;
    std::string inInclude;
    std::string inExclude;
    std::string noDrive;
    std::string saveFailed;
};

struct ManageLevelCaptions {
    std::string rootEmpty;
    std::string viewEmpty;
    std::string buildRootEmpty;
    std::string noResults;
    std::string noDrivePart;
    std::string levelsReversed;
    std::string levelsReversedText; // worded differently on each page
    // Only the copy page tells a root that is no folder apart.
    std::optional<std::string> noInputFolder;
};

// A result list of the page's visual log, its Smart Export button (both by
// the names its form gives them) and the warning shown when it is empty.
struct ResultListExportText {
    std::string list;
    std::string button;
    std::string emptyCaption;
    std::string emptyText;
};

struct ManagePageTexts {
    ManageListCaptions lists;
    ManageListFileCaptions files;
    ManageLevelCaptions levels;
};

ManagePageTexts ManagePageTextsOf(ManagePage page);

// The visual log's result lists, in the order of its form.
std::vector<ResultListExportText> ResultExportsOf(ManagePage page);
