#pragma once
// Undo of a creation page's last real run: every main folder the run created
// is emptied and removed, with the files the page recorded separately, then
// the run's counters and lists are cleared. One routine for the creation
// pages; each passes its own boxes and texts.

#include "runs/CreatedFileList.h"
#include "runs/CreationCounterBlock.h"

#include <deque>
#include <string>

class QWidget;

struct CreationUndoTexts {
    std::string noUndoCaption; // nothing to undo
    std::string noUndoText = "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must "
                             "create at least one folder to "
                             "UNDO them.";
    std::string questionCaption; // "Do you want to delete ..."
    std::string failedCaption;   // what could not be deleted
    std::string failedText;      // its first line; the folders that are still there follow
    std::string endCaption;      // "End of Undo process !!!"
};

// The page's undo list is the block's Created.Folders list. A created folder
// that is still the run's own is emptied and removed with all it holds, as
// the question box says. `createdFiles` (none on the strings page) are files
// the run copied straight into a new folder; they are deleted after the
// folders, one by one and only while each is still the file the run made
// (unchanged since), and the list is emptied at the end. What is not the
// run's own any more is left and named; what is gone (the person deleted it,
// or it went with its folder) is not named.
void UndoCreationRun(QWidget* owner, CreationCounterBlock& block, CreatedFileList* createdFiles,
                     const CreationUndoTexts& texts);
