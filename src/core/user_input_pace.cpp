#include "core/user_input_pace.h"

namespace wp {

bool UserInputPace::due(double nowMilliseconds) {
    if (lastReport_ && nowMilliseconds >= *lastReport_ && nowMilliseconds - *lastReport_ < periodMilliseconds)
        return false;
    lastReport_ = nowMilliseconds;
    return true;
}

} // namespace wp
