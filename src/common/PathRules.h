#pragma once
// Text and path rules: which texts may become folder names or paths, one form
// for path texts, cutting a text into paths, size texts and item-list cleaning.

#include "common/DiskSpace.h"
#include "common/IllegalCharacters.h"
#include "common/ItemListRules.h"
#include "common/PathNormalising.h"
#include "common/PathSplitting.h"
#include "common/PathValidation.h"
