#pragma once
// The rename page's captions for its lists, list files and level builder.

#include "manage/shared/ManagePageTexts.h"

ManagePageTexts RenamePageTexts();
