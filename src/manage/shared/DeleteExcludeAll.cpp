#include "manage/shared/DeleteExcludeAll.h"

#include "tools/ExcludeListClearing.h"

#include <string>

namespace {

struct Captions {
    std::string warning;
    std::string question;
};

Captions CaptionsOf(ManagePage page) {
    switch (page) {
    case ManagePage::Rename:
        return {"Rename Folder(s).-From a Folder List - Level.            Warning no: 0524.",
                "Rename Folder(s).-From a Folder List - Level.            Warning no: 0525."};
    case ManagePage::Delete:
        return {"Delete Folder(s).-From a Folder List - Level.            Warning no: 0522.",
                "Delete Folder(s).-From a Folder List - Level.            Warning no: 0523."};
    case ManagePage::Copy:
        break;
    }
    return {"Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0520.",
            "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0521."};
}

} // namespace

void DeleteExcludeAll(ManagePage page, const ManagePageExcludeList& list) {
    const Captions captions = CaptionsOf(page);
    ExcludeListClearing clearing;
    clearing.owner = list.owner;
    clearing.excludeList = list.excludeList;
    clearing.countLabel = list.countLabel;
    clearing.warningCaption = captions.warning;
    clearing.questionCaption = captions.question;
    clearing.refresh = list.refresh;
    clearing.button = list.button;
    ClearExcludeList(clearing);
}
