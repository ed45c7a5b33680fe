// SPDX-License-Identifier: GPL-3.0-or-later
// The braking stepper (see _chamowanie.h).
#include "_chamowanie.h"

void CHamowanie::Start(float from, float to, int steps)
{
    if (steps <= 0)
        steps = 1;
    total_ = remaining_ = steps;
    step_ = (to - from) / float(steps * steps);
    target_ = to;
}

float CHamowanie::Next()
{
    // The distance still to go shrinks with the square of the steps left.
    if (remaining_ <= 1)
        return target_;
    --remaining_;
    return target_ - float(remaining_ * remaining_) * step_;
}
