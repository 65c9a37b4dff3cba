// Choosing entries of the Image List at random.
#pragma once

// An index in 0..n-1 (0 stands for the last entry), drawn from a generator seeded with
// the current second. 0 when there is nothing to draw from.
int RandomIndex(int n);
