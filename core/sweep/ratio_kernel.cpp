#include "core/sweep/ratio_kernel.h"

#include <cstring>

#include "core/model/circuit_model.h"
#include "core/model/lane_vector.h"

// Compiled once per instruction set that Highway targets; the processor's best one is chosen at
// run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "core/sweep/ratio_kernel.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace amp {
namespace HWY_NAMESPACE {
namespace {

namespace hn = hwy::HWY_NAMESPACE;
// At most kRatioKernelMultiple lanes, so that the vectors always divide the count.
using D = hn::CappedTag<double, kRatioKernelMultiple>;
using V = hn::Vec<D>;
// The model computes on vectors of the same lanes. Highway's own operations could not serve it:
// they are compiled for this target alone and the model for none, so they cannot be inlined into
// it. Once the model is inlined here, its + - * / are this target's instructions, with no fused
// multiply-add and no reciprocal estimate.
using Lanes = LaneVector<hn::MaxLanes(D())>;
static_assert(sizeof(Lanes) == sizeof(V));

Lanes ToLanes(V v) {
    Lanes lanes;
    std::memcpy(&lanes, &v, sizeof lanes);
    return lanes;
}

V ToVector(Lanes lanes) {
    V v;
    std::memcpy(&v, &lanes, sizeof v);
    return v;
}

// Each circuit value in every lane.
CircuitValuesOf<Lanes> InEveryLane(const CircuitValues& v) {
    const auto lanes = [](double x) { return ToLanes(hn::Set(D(), x)); };
    return {.R1 = lanes(v.R1),
            .R2 = lanes(v.R2),
            .R = lanes(v.R),
            .R3 = lanes(v.R3),
            .R4 = lanes(v.R4),
            .R5 = lanes(v.R5),
            .RL = lanes(v.RL),
            .C1 = lanes(v.C1),
            .C2 = lanes(v.C2),
            .C3 = lanes(v.C3),
            .C4 = lanes(v.C4),
            .C5 = lanes(v.C5),
            .C6 = lanes(v.C6),
            .Avo = lanes(v.Avo),
            .fc = lanes(v.fc)};
}

}  // namespace

// Flattened, so that the whole model is inlined and compiled for this target.
HWY_FLATTEN void RatioKernelBlock(const CircuitValues& values, const double* frequencies,
                                  std::size_t count, double* moduli, double* quotients) {
    const D d;
    const CircuitModel<Lanes> model(InEveryLane(values));
    for (std::size_t i = 0; i < count; i += hn::Lanes(d)) {
        const ComplexOf<Lanes> g = model.TransferRatio(ToLanes(hn::LoadU(d, frequencies + i)));
        hn::StoreU(hn::Sqrt(ToVector(SquaredModulus<Lanes>(g))), d, moduli + i);
        if (quotients != nullptr) hn::StoreU(ToVector(PhaseQuotient<Lanes>(g)), d, quotients + i);
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace amp
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace amp {

HWY_EXPORT(RatioKernelBlock);

void RatioKernel(const CircuitValues& values, const double* frequencies, std::size_t count,
                 double* moduli, double* quotients) {
    HWY_DYNAMIC_DISPATCH(RatioKernelBlock)(values, frequencies, count, moduli, quotients);
}

}  // namespace amp
#endif
