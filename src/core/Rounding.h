#pragma once

#include <cmath>

// Scaled figures of the program are rounded to the nearest integer, a half going to
// the even neighbour (2.5 gives 2, 3.5 gives 4), as the original system's Round does.
class Rounding {
public:
    static int HalfEven(double value) {
        const double down = std::floor(value);
        const double fraction = value - down;
        if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0)) {
            return static_cast<int>(down) + 1;
        }
        return static_cast<int>(down);
    }
};
