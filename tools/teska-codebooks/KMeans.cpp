#include "tools/teska-codebooks/KMeans.h"

#include <algorithm>
#include <limits>
#include <random>

namespace {

double squaredDistance(const double* a, const double* b, int dim) {
    double sum = 0.0;
    for (int k = 0; k < dim; ++k) {
        const double d = a[k] - b[k];
        sum += d * d;
    }
    return sum;
}

struct Nearest {
    int row;
    double distance;
};

Nearest nearestRow(const double* vector, const std::vector<double>& codebook, int rows, int dim) {
    Nearest best{0, std::numeric_limits<double>::max()};
    for (int r = 0; r < rows; ++r) {
        const double d = squaredDistance(vector, &codebook[static_cast<size_t>(r) * dim], dim);
        if (d < best.distance) best = {r, d};
    }
    return best;
}

// Uniform in [0, 1) from the raw generator output; distribution classes differ between standard libraries.
double uniform(std::mt19937& random) { return static_cast<double>(random()) / 4294967296.0; }

std::vector<double> seedCodebook(const KMeansProblem& problem, const std::vector<double>& vectors, size_t count) {
    const int dim = problem.dim;
    std::vector<double> codebook(static_cast<size_t>(problem.rows) * dim, 0.0);
    std::copy(problem.fixedRows.begin(), problem.fixedRows.end(), codebook.begin());
    int seeded = static_cast<int>(problem.fixedRows.size()) / dim;
    std::mt19937 random(problem.seed);
    std::vector<double> distance(count, std::numeric_limits<double>::max());
    if (seeded == 0) {
        const size_t first = static_cast<size_t>(uniform(random) * static_cast<double>(count));
        std::copy_n(&vectors[first * dim], dim, codebook.begin());
        seeded = 1;
    }
    for (int r = 0; r < seeded; ++r) {
        for (size_t i = 0; i < count; ++i) {
            distance[i] =
                std::min(distance[i], squaredDistance(&vectors[i * dim], &codebook[static_cast<size_t>(r) * dim], dim));
        }
    }
    for (; seeded < problem.rows; ++seeded) {
        double total = 0.0;
        for (double d : distance) total += d;
        double target = uniform(random) * total;
        size_t pick = count - 1;
        for (size_t i = 0; i < count; ++i) {
            target -= distance[i];
            if (target < 0.0) {
                pick = i;
                break;
            }
        }
        double* row = &codebook[static_cast<size_t>(seeded) * dim];
        std::copy_n(&vectors[pick * dim], dim, row);
        for (size_t i = 0; i < count; ++i) {
            distance[i] = std::min(distance[i], squaredDistance(&vectors[i * dim], row, dim));
        }
    }
    return codebook;
}

}  // namespace

std::vector<double> trainCodebook(const KMeansProblem& problem, const std::vector<double>& vectors) {
    const int dim = problem.dim;
    const size_t count = vectors.size() / dim;
    const int fixed = static_cast<int>(problem.fixedRows.size()) / dim;
    std::vector<double> codebook = seedCodebook(problem, vectors, count);
    std::vector<int> assignment(count, 0);
    std::vector<double> distance(count, 0.0);
    for (int iteration = 0; iteration < problem.iterations; ++iteration) {
        for (size_t i = 0; i < count; ++i) {
            const Nearest nearest = nearestRow(&vectors[i * dim], codebook, problem.rows, dim);
            assignment[i] = nearest.row;
            distance[i] = nearest.distance;
        }
        std::vector<double> sums(codebook.size(), 0.0);
        std::vector<size_t> members(problem.rows, 0);
        for (size_t i = 0; i < count; ++i) {
            ++members[assignment[i]];
            for (int k = 0; k < dim; ++k) sums[static_cast<size_t>(assignment[i]) * dim + k] += vectors[i * dim + k];
        }
        for (int r = fixed; r < problem.rows; ++r) {
            double* row = &codebook[static_cast<size_t>(r) * dim];
            if (members[r] > 0) {
                for (int k = 0; k < dim; ++k)
                    row[k] = sums[static_cast<size_t>(r) * dim + k] / static_cast<double>(members[r]);
                continue;
            }
            // An empty row takes over the worst-coded vector, which then counts as coded exactly.
            const size_t worst =
                static_cast<size_t>(std::max_element(distance.begin(), distance.end()) - distance.begin());
            std::copy_n(&vectors[worst * dim], dim, row);
            distance[worst] = 0.0;
        }
    }
    return codebook;
}
