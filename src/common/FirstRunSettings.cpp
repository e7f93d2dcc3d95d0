#include "common/FirstRunSettings.h"

#include "common/DefaultFileTypes.h"
#include "common/SettingLists.h"

#include <array>

namespace {

constexpr std::array<const char*, 17> kSymbols = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                                                  "&", "@", "$",     "<",  ">", ".", "-", "_"};

} // namespace

std::span<const char* const> DefaultSeparatorSymbols() {
    return kSymbols;
}

void ApplyFirstRunDefaults() {
    ClearSeparatorList();
    for (const char* symbol : kSymbols)
        AddTextToSeparatorList(symbol);
    ClearQuotationMarkList();
    for (const char* symbol : kSymbols)
        AddTextToQuotationMarkList(symbol);
    for (const char* type : DefaultIncludedTypes())
        AddToIncludedTypeList(type);
    for (const char* type : DefaultExcludedTypes())
        AddToExcludedTypeList(type);
    for (const char* type : DefaultKnownTypes())
        AddToKnownTypeList(type);
    if (GetFileNamePatternList().empty())
        AddTextToFileNamePatternList("*.*");
}
