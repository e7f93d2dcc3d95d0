#include "support/PropertyCase.h"

#include <cstdlib>

namespace testsupport {

std::vector<uint32_t> PropertySeeds(uint32_t first, int count) {
    if (const char* replay = std::getenv("FOLDERSMITH_PROPERTY_SEED"); replay && *replay)
        return {static_cast<uint32_t>(std::strtoul(replay, nullptr, 10))};
    std::vector<uint32_t> seeds;
    for (int i = 0; i < count; ++i)
        seeds.push_back(first + static_cast<uint32_t>(i));
    return seeds;
}

std::string CaseInputs::Trace() const {
    std::string text = "seed " + std::to_string(seed_) +
                       " (replay: FOLDERSMITH_PROPERTY_SEED=" + std::to_string(seed_) + ")";
    for (const std::string& note : notes_)
        text += "\n  " + note;
    return text;
}

} // namespace testsupport
