#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace amp {

// Passes over swept moduli, several samples at a time in vector registers on the best
// instruction set the processor offers. They only compare, so they find exactly what a loop
// sample by sample finds.

// The largest sample when every sample is finite, else nothing. Of +0 and -0 either may come.
std::optional<double> FiniteMaximum(std::span<const double> samples);

// The first index from `from` on whose sample is neither below low nor above high (a NaN is
// neither), or samples.size() when there is none.
std::size_t FirstWithin(std::span<const double> samples, std::size_t from, double low, double high);

// The smallest and the largest of each of `columns` columns over `rows` rows of finite numbers,
// the rows `stride` doubles apart: low[c] and high[c]. columns is a multiple of 8, rows at least 1.
void ColumnExtremes(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
                    double* low, double* high);

inline constexpr std::size_t kMostCountedColumns = 16;

// For each of `rows` rows, `stride` doubles apart, and each of its first `columns` numbers x,
// adds one to counts[(bits of x >> shifts[c]) + offsets[c]], wrapping, c being x's column.
// columns is at most kMostCountedColumns.
void CountKeys(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
               const std::uint64_t* shifts, const std::uint64_t* offsets, std::uint32_t* counts);

}  // namespace amp
