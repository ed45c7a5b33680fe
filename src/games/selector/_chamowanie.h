// SPDX-License-Identifier: GPL-3.0-or-later
// The braking stepper behind the tiles' glide back to the pile: each step covers less of the way
// than the one before (a quadratic ease-out), and the last one lands exactly on the target.
#pragma once

class CHamowanie {
public:
    // Prepares `steps` values from `from` to `to`; fewer than one step counts as one.
    void Start(float from, float to, int steps);
    // The next value; once the steps are used up, the target again and again.
    float Next();

    float Target() const { return target_; }
    int Total() const { return total_; }
    int Remaining() const { return remaining_; }

private:
    float target_ = 0;
    float step_ = 0;
    int total_ = 0;
    int remaining_ = 0;
};
