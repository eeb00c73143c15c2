#pragma once

#include <cstdint>
#include <vector>

namespace tesk {

// A shape codebook laid out for a fast nearest-row search. nearest() gives exactly vqSearch's row: the squared
// error |t - e|^2 differs from |e|^2 - 2 t.e only by a term common to every row, so the rows are ranked by the
// latter, with each row's energy |e|^2 worked out once here.
class ShapeSearch {
  public:
    // Codebook values must lie within +-kValueLimit and rows hold at most kMaxDim values; otherwise throws
    // std::invalid_argument. The codebook must outlive the search.
    static constexpr int kValueLimit = 2800;
    static constexpr int kMaxDim = 8;

    ShapeSearch(const int16_t* codebook, int dim, int rows);

    int nearest(const int16_t* target) const;

  private:
    int rankedNearest(const int16_t* target) const;

    const int16_t* codebook_;
    int dim_;
    int rows_;
    int pairs_;   // value pairs per row, the last one padded with a zero for an odd dim
    int blocks_;  // groups of four rows; rows past the end are padded so that they never win
    // Per block and pair: the pair of each of the block's rows side by side.
    std::vector<int16_t> interleaved_;
    std::vector<int32_t> energies_;
};

}  // namespace tesk
