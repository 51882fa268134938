#pragma once
// The process-wide random generator of "random" and "randg". Its seed is 0 when the process
// starts, so every run draws the same sequence.

namespace engine {

// seed ← seed × 134775813 + 1 (mod 2^32); the new seed × 2^-32, in [0, 1).
long double Random();

// A normal deviate by the polar method; the deviate belonging to the second draw is discarded.
long double RandG(double mean, double deviation);

}  // namespace engine
