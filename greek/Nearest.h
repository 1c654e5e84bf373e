#pragma once

#include <cstddef>

// A count of typing errors that CountTypos never reaches: a candidate counted so is out of the
// running.
inline constexpr int NotACandidate = 100;

// The candidate nearest to an answer, of candidates 0 to count - 1: typos(i) gives candidate i's
// typing errors against the answer (CountTypos in the order that the judging takes, plus whatever
// else it weighs), or NotACandidate. The fewest errors win, the earliest candidate on a tie; -1
// when every candidate is out of the running.
template <class Typos> int NearestByTypos(std::size_t count, Typos typos) {
    int nearest = -1;
    int best = NotACandidate;
    for (std::size_t i = 0; i < count; ++i) {
        const int errors = typos(i);
        if (errors < best) {
            best = errors;
            nearest = int(i);
        }
    }
    return nearest;
}
