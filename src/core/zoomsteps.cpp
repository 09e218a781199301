#include "zoomsteps.h"

#include <algorithm>

namespace zoomsteps {

int largestFitting(int roomWidth, int roomHeight) {
    int best = kSteps.front();
    for (int step : kSteps)
        if (800 * step <= roomWidth * 100 && 600 * step <= roomHeight * 100) best = step;
    return best;
}

int stepped(int current, int direction, int largest) {
    // From a size between the steps (the screen had less room), the next step that way.
    if (direction > 0) {
        for (int step : kSteps)
            if (step > current) return std::min(step, std::max(largest, current));
        return current;
    }
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < current) return *it;
    return kSteps.front();
}

int shown(int choice, int largest) {
    return std::min(choice, largest);
}

int parse(const QByteArray& stored) {
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    if (ok && std::find(kSteps.begin(), kSteps.end(), value) != kSteps.end()) return value;
    return kSteps.front();
}

QByteArray format(int percent) {
    return QByteArray::number(percent) + '\n';
}

} // namespace zoomsteps
