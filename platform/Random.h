#pragma once

#include <vector>

// The program's one source of random numbers.

// The next number, uniform in [0, 1). Until Randomize runs, every run gives the same sequence.
double Rnd();

// Reseeds the source from the clock.
void Randomize();

// Test seam: while a script is set, Rnd returns its numbers in turn, starting again at the first
// after the last; Randomize leaves the script in place. An empty script restores the source.
void SetRandomScript(std::vector<double> script);

// The lightest of count draws (at least one): draw() makes each in turn, taking its random
// numbers from Rnd, and weight(x) weighs it; the earliest of equal weights wins.
template <class Draw, class Weight> auto LightestOfDraws(int count, Draw draw, Weight weight) {
    auto lightest = draw();
    for (int i = 1; i < count; ++i) {
        auto next = draw();
        if (weight(next) < weight(lightest))
            lightest = next;
    }
    return lightest;
}
