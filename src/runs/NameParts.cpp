#include "runs/NameParts.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

_tagVol0XParts NamePartsInside(const std::string& folder, const std::string& prefix,
                               const std::string& suffix, bool hyphen) {
    std::string prefixSeparator;
    std::string suffixSeparator;
    if (hyphen) {
        if (!Trim(prefix).empty())
            prefixSeparator = "-";
        if (!Trim(suffix).empty())
            suffixSeparator = "-";
    }
    _tagVol0XParts parts;
    parts.Part0 = folder + prefix + prefixSeparator;
    parts.Part2 = suffixSeparator;
    parts.Part3 = suffix;
    return parts;
}

_tagVol0XParts BuildDestinationNameParts(const std::string& destination, const std::string& prefix,
                                         const std::string& suffix, bool hyphen) {
    return NamePartsInside(IncludeTrailingPathDelimiter(Trim(destination)), prefix, suffix, hyphen);
}

std::string JoinedName(const _tagVol0XParts& parts) {
    std::string name;
    name.reserve(parts.Part0.size() + parts.Part1.size() + parts.Part2.size() + parts.Part3.size());
    name += parts.Part0;
    name += parts.Part1;
    name += parts.Part2;
    name += parts.Part3;
    return name;
}
