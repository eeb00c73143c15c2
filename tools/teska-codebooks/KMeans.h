#pragma once

#include <cstdint>
#include <vector>

// Lloyd's k-means over row-major vectors of `dim` values with a fixed seed, so a run is repeatable. The first
// fixedRows.size() / dim codebook rows are given and never move; the others start by k-means++ seeding.
struct KMeansProblem {
    int dim = 0;
    int rows = 0;
    std::vector<double> fixedRows;
    uint32_t seed = 0;
    int iterations = 0;
};

std::vector<double> trainCodebook(const KMeansProblem& problem, const std::vector<double>& vectors);
