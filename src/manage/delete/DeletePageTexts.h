#pragma once
// The delete page's captions for its lists, list files and level builder,
// and the warnings of its visual log.

#include "manage/shared/ManagePageTexts.h"

#include <vector>

ManagePageTexts DeletePageTexts();

// The visual log's result lists, in the order of its form.
std::vector<ResultListExportText> DeleteResultExports();
