#pragma once
// The delete page's captions for its lists, list files and level builder.

#include "manage/shared/ManagePageTexts.h"

ManagePageTexts DeletePageTexts();
