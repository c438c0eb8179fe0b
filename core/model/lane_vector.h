#pragma once

#include <cstddef>

namespace amp {

// The compiler's own vector of N doubles (GCC's and Clang's vector extension), for the widths of
// the instruction sets; GCC takes no vector size that depends on a template parameter.
template <std::size_t N>
struct VectorOfDoubles;
template <>
struct VectorOfDoubles<1> {
    using type = double __attribute__((vector_size(1 * sizeof(double))));
};
template <>
struct VectorOfDoubles<2> {
    using type = double __attribute__((vector_size(2 * sizeof(double))));
};
template <>
struct VectorOfDoubles<4> {
    using type = double __attribute__((vector_size(4 * sizeof(double))));
};
template <>
struct VectorOfDoubles<8> {
    using type = double __attribute__((vector_size(8 * sizeof(double))));
};

// N doubles side by side, one sample in each lane, for CircuitModel: + - * / lane by lane, each
// lane rounded exactly like the double operation. Its operations belong to no instruction set:
// inlined into code compiled for one, they become that set's instructions. It is a class rather
// than the bare vector because compilers refuse to pass bare wide vectors between code compiled
// for different instruction sets, as the sweep's kernel and the model are.
template <std::size_t N>
struct LaneVector {
    using Lanes = typename VectorOfDoubles<N>::type;

    Lanes lanes;

    // x in every lane: the vector extension takes a scalar operand as that scalar in every lane,
    // and subtracting zero leaves every value as it is, a negative zero included.
    static LaneVector Splat(double x) { return {x - Lanes{}}; }

    friend LaneVector operator+(LaneVector a, LaneVector b) { return {a.lanes + b.lanes}; }
    friend LaneVector operator-(LaneVector a, LaneVector b) { return {a.lanes - b.lanes}; }
    friend LaneVector operator*(LaneVector a, LaneVector b) { return {a.lanes * b.lanes}; }
    friend LaneVector operator/(LaneVector a, LaneVector b) { return {a.lanes / b.lanes}; }
};

}  // namespace amp
