// The fast searches against the search as the operators define it, one L_mac after another.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "teskenc/codec/ShapeSearch.h"
#include "teskenc/codec/TeskaTables.h"
#include "teskenc/codec/VqSearch.h"
#include "teskenc/dsp/BasicOps.h"

namespace tesk {
namespace {

int referenceSearch(const int16_t* target, int dim, const int16_t* codebook, int rows) {
    int best = 0;
    Word32 bestError = 0;
    for (int row = 0; row < rows; ++row) {
        Word32 error = 0;
        for (int k = 0; k < dim; ++k) {
            const Word16 d = sub(target[k], codebook[row * dim + k]);
            error = L_mac(error, d, d);
        }
        if (row == 0 || error < bestError) {
            best = row;
            bestError = error;
        }
    }
    return best;
}

// Uniform in -range..range from a fixed seed.
class Draw {
  public:
    int operator()(int range) {
        seed_ = seed_ * 1664525u + 1013904223u;
        return static_cast<int>((seed_ >> 8) % static_cast<uint32_t>(2 * range + 1)) - range;
    }
    int16_t sample(int range) { return static_cast<int16_t>(std::clamp((*this)(range), -32768, 32767)); }

  private:
    uint32_t seed_ = 7;
};

struct Book {
    const int16_t* values;
    int dim;
    int rows;
};

const std::array<Book, 6> kShapeBooks{{{teskaShape8x16.data(), 8, 16},
                                       {teskaShape8x256.data(), 8, 256},
                                       {teskaShape4x256.data(), 4, 256},
                                       {teskaShape2x64.data(), 2, 64},
                                       {teskaShape2x256.data(), 2, 256},
                                       {teskaScalar32.data(), 1, 32}}};

TEST(TeskaVqSearch, NearestRowAndTheFirstOnTies) {
    const std::array<int16_t, 3> rows{0, 10, -10};
    const int16_t five = 5;
    const int16_t minusSix = -6;
    EXPECT_EQ(vqSearch(&five, 1, rows.data(), 3), 0);
    EXPECT_EQ(vqSearch(&minusSix, 1, rows.data(), 3), 2);
    const std::array<int16_t, 6> pairs{100, 100, 90, 110, 110, 90};
    const std::array<int16_t, 2> target{92, 108};
    EXPECT_EQ(vqSearch(target.data(), 2, pairs.data(), 3), 1);
}

TEST(TeskaVqSearch, DifferencesSaturateBeforeTheyAreSquared) {
    // Both differences clip to 32767, so the two rows tie and the first one wins.
    const std::array<int16_t, 2> rows{-32768, -1};
    const int16_t top = 32767;
    EXPECT_EQ(vqSearch(&top, 1, rows.data(), 2), 0);
}

TEST(TeskaVqSearch, ShapeSearchAgreesWithTheOperatorSequenceOnEveryShapeCodebook) {
    Draw draw;
    for (const Book& book : kShapeBooks) {
        const ShapeSearch search(book.values, book.dim, book.rows);
        // Normal shapes, loud targets whose differences saturate, and everything between.
        for (int range : {3000, 5500, 9000, 29967, 32767}) {
            for (int trial = 0; trial < 300; ++trial) {
                std::array<int16_t, 8> target{};
                for (int k = 0; k < book.dim; ++k) target[k] = draw.sample(range);
                const int expected = referenceSearch(target.data(), book.dim, book.values, book.rows);
                EXPECT_EQ(search.nearest(target.data()), expected);
                EXPECT_EQ(vqSearch(target.data(), book.dim, book.values, book.rows), expected);
            }
        }
    }
}

TEST(TeskaVqSearch, ShapeSearchAtTheEdgeOfSaturation) {
    for (const Book& book : kShapeBooks) {
        const ShapeSearch search(book.values, book.dim, book.rows);
        // At +-29967 no difference saturates yet; one step further some do. Far out every row's error clips to
        // MAX_32 and the first row wins, whether or not a difference saturated on the way.
        for (int magnitude : {29966, 29967, 29968, 32767}) {
            for (int sign : {1, -1}) {
                for (int spread : {0, 1, 2}) {
                    std::array<int16_t, 8> target{};
                    for (int k = 0; k < book.dim; ++k) {
                        target[k] =
                            static_cast<int16_t>(std::clamp(sign * (k % 2 ? magnitude : spread * 1000), -32768, 32767));
                    }
                    EXPECT_EQ(search.nearest(target.data()),
                              referenceSearch(target.data(), book.dim, book.values, book.rows))
                        << "dim " << book.dim << " magnitude " << sign * magnitude << " spread " << spread;
                }
            }
        }
        const std::array<int16_t, 8> lowest{-32768, -32768, -32768, -32768, -32768, -32768, -32768, -32768};
        EXPECT_EQ(search.nearest(lowest.data()), referenceSearch(lowest.data(), book.dim, book.values, book.rows));
    }
    // A difference that clips to 32767 leaves 2 * 32767^2 plus the other terms just under MAX_32, so the second
    // row wins on its smaller second difference although both rows are more than 32767 away exactly.
    const std::array<int16_t, 4> rows{-2800, 100, -1000, 0};
    const std::array<int16_t, 2> target{32767, 0};
    ASSERT_EQ(referenceSearch(target.data(), 2, rows.data(), 2), 1);
    EXPECT_EQ(ShapeSearch(rows.data(), 2, 2).nearest(target.data()), 1);
}

TEST(TeskaVqSearch, ShapeSearchKeepsTheFirstOfTiedRowsOfAnySizeOfCodebook) {
    // Values from a coarse grid make many rows tie, in every lane and block; odd sizes leave padding.
    Draw draw;
    for (int dim = 1; dim <= ShapeSearch::kMaxDim; ++dim) {
        for (int rows : {1, 3, 4, 5, 17, 64}) {
            std::vector<int16_t> book(static_cast<size_t>(dim * rows));
            for (int16_t& v : book) v = static_cast<int16_t>(draw(1) * 2800);
            const ShapeSearch search(book.data(), dim, rows);
            for (int trial = 0; trial < 40; ++trial) {
                std::array<int16_t, 8> target{};
                for (int k = 0; k < dim; ++k) target[k] = static_cast<int16_t>(draw(2) * 1400);
                EXPECT_EQ(search.nearest(target.data()), referenceSearch(target.data(), dim, book.data(), rows))
                    << "dim " << dim << " rows " << rows;
            }
        }
    }
}

TEST(TeskaVqSearch, ShapeSearchRefusesCodebooksOutsideItsLimits) {
    const std::array<int16_t, 9> book{0, 0, 0, 0, 0, 0, 0, 0, 2801};
    EXPECT_THROW(ShapeSearch(book.data(), 9, 1), std::invalid_argument);
    EXPECT_THROW(ShapeSearch(book.data(), 1, 9), std::invalid_argument);
    EXPECT_THROW(ShapeSearch(book.data(), 0, 1), std::invalid_argument);
    EXPECT_NO_THROW(ShapeSearch(book.data(), 8, 1));
}

TEST(TeskaVqSearch, AscendingSearchAgreesWithTheOperatorSequenceForEveryTarget) {
    // Both gain tables repeat levels; the others reach the ends of the 16-bit range where differences saturate.
    const std::array<int16_t, 5> wide{-32768, -5, 0, 0, 32767};
    const std::array<int16_t, 3> high{30000, 32000, 32767};
    const std::array<int16_t, 3> low{-32768, -32000, -30000};
    const std::array<int16_t, 1> single{7};
    const std::array<int16_t, 7> repeats{-40, 10, 10, 10, 20, 20, 31};
    const std::array<Book, 8> tables{{{teskaGain5.data(), 1, 32},
                                      {teskaGain6.data(), 1, 64},
                                      {teskaScalar32.data(), 1, 32},
                                      {wide.data(), 1, 5},
                                      {high.data(), 1, 3},
                                      {low.data(), 1, 3},
                                      {single.data(), 1, 1},
                                      {repeats.data(), 1, 7}}};
    for (const Book& table : tables) {
        ASSERT_TRUE(std::is_sorted(table.values, table.values + table.rows));
        for (int t = -32768; t <= 32767; ++t) {
            const auto target = static_cast<int16_t>(t);
            const int expected = referenceSearch(&target, 1, table.values, table.rows);
            if (vqSearchAscending(target, table.values, table.rows) != expected) {
                ADD_FAILURE() << "target " << t << " table of " << table.rows << " levels from " << table.values[0];
                break;
            }
        }
    }
}

}  // namespace
}  // namespace tesk
