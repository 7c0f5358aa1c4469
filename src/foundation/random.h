// The program's one pseudo-random generator, seeded once from the high-resolution clock.
#pragma once

namespace torvane {

/// Seeds the generator; the program entry calls it once. A draw before it seeds on first use.
void SeedProgramRandom();

/// A whole number from 0 to bound - 1. Safe to call from several threads.
int RandomBelow(int bound);

/// A whole number from 0 to 254 (never 255). Safe to call from several threads.
int RandomByteBelow255();

}  // namespace torvane
