#pragma once
// The names a run adds to the result lists of its statistics window. Outside
// a run a name goes into its list at once; during one (see RepaintThrottle)
// the names are held back and added together at the next frame, with the
// counter labels, so that no paint shows a count its list does not hold yet.
// Adding one item at a time would have the list take in and lay out every
// item of a run of 20,000 folders on its own.

#include "runs/RepaintThrottle.h"

#include <QPointer>

#include <string>
#include <vector>

namespace ui {
class ResultList;
}

class HeldListItems {
public:
    explicit HeldListItems(const RepaintThrottle& throttle) : throttle_(throttle) {}
    HeldListItems(const HeldListItems&) = delete;
    HeldListItems& operator=(const HeldListItems&) = delete;

    // Adds `name` to `list` (nullptr: to none).
    void Add(ui::ResultList* list, const std::string& name);
    // Adds what is held to the lists and lays them out, ready for the frame
    // that paints next.
    void Flush();

private:
    struct Pending {
        QPointer<ui::ResultList> list;
        std::vector<std::string> names;
    };
    const RepaintThrottle& throttle_;
    std::vector<Pending> pending_;
};
