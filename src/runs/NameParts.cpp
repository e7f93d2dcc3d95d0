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
