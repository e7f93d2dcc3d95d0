#pragma once
// What every property test of a page shares: the seeds of its cases, a
// seeded choice, and the trace that names a failing case so that it can be
// replayed alone.
//
// A case is replayed by its seed: FOLDERSMITH_PROPERTY_SEED=<seed> runs only
// that case (of every property test started), with the same inputs.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace testsupport {

// `count` seeds from `first`, or only the seed the environment names.
std::vector<uint32_t> PropertySeeds(uint32_t first, int count);

class CaseRandom {
public:
    explicit CaseRandom(uint32_t seed) : engine_(seed) {}

    // 0 .. count-1.
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine_); }
    // True once in `times`.
    bool OneIn(int times) { return Pick(times) == 0; }
    template <typename T> const T& Choose(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
    }

private:
    std::mt19937 engine_;
};

// The inputs of one case, noted as they are chosen, for the failure trace.
class CaseInputs {
public:
    explicit CaseInputs(uint32_t seed) : seed_(seed) {}
    void Note(const std::string& what) { notes_.push_back(what); }
    // "seed 17 (replay: FOLDERSMITH_PROPERTY_SEED=17)" and every note, one a line.
    std::string Trace() const;

private:
    uint32_t seed_;
    std::vector<std::string> notes_;
};

} // namespace testsupport
