#include "core/ratio_kernel.h"

// Compiled once per instruction set that Highway targets; the processor's best one is chosen at
// run time. No fused multiply-add, no reciprocal estimate: vector products, quotients and
// square roots are rounded exactly like their scalar counterparts, so each lane repeats the
// scalar model to the last bit.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "core/ratio_kernel.cpp"
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

struct ComplexV {
    V Re;
    V Im;
};

// The counterparts of ComplexMul and ComplexDiv, operation for operation.
HWY_INLINE ComplexV Mul(ComplexV a, ComplexV b) {
    return {hn::Sub(hn::Mul(a.Re, b.Re), hn::Mul(a.Im, b.Im)),
            hn::Add(hn::Mul(a.Re, b.Im), hn::Mul(a.Im, b.Re))};
}

HWY_INLINE ComplexV Div(ComplexV a, ComplexV b) {
    const V d = hn::Add(hn::Mul(b.Re, b.Re), hn::Mul(b.Im, b.Im));
    return {hn::Div(hn::Add(hn::Mul(a.Re, b.Re), hn::Mul(a.Im, b.Im)), d),
            hn::Div(hn::Sub(hn::Mul(a.Im, b.Re), hn::Mul(a.Re, b.Im)), d)};
}

// The model at the frequencies of one vector. Each product w * f * X * Y is ((w * f) * X) * Y,
// and w * f is the same first factor in all of them. OpAmpGain, which TransferRatio forms
// twice with equal arguments, is formed once.
class RatioVector {
  public:
    explicit RatioVector(const CircuitValues& values) : v_(values) {}

    ComplexV At(V f) const {
        const V wf = hn::Mul(Broadcast(kTwoPi), f);
        const ComplexV a = OpAmpGain(f);
        ComplexV p = Mul(InputNetwork(wf), FollowerGain(a));
        p = Mul(p, CouplingNetwork(wf));
        p = Mul(p, NonInvertingGain(wf, a));
        return Mul(p, OutputCoupling(wf));
    }

  private:
    static V Broadcast(double x) { return hn::Set(D(), x); }
    static V Product(V wf, double x, double y) {
        return hn::Mul(hn::Mul(wf, Broadcast(x)), Broadcast(y));
    }
    static V Product(V wf, double x, double y, double z) {
        return hn::Mul(Product(wf, x, y), Broadcast(z));
    }
    // (x, y) with x the same in every lane.
    static ComplexV Pair(double x, V y) { return {Broadcast(x), y}; }

    ComplexV OpAmpGain(V f) const {
        return Div(Pair(v_.fc, Broadcast(0.0)), {Broadcast(v_.fc / v_.Avo), f});
    }

    static ComplexV FollowerGain(ComplexV a) {
        return Div(a, {hn::Add(a.Re, Broadcast(1.0)), a.Im});
    }

    ComplexV InputNetwork(V wf) const {
        ComplexV k = Mul(Pair(1.0, Product(wf, v_.C1, v_.R1)), Pair(1.0, Product(wf, v_.C2, v_.R)));
        k = {hn::Mul(Broadcast(v_.R2), k.Re), hn::Mul(Broadcast(v_.R2), k.Im)};
        const ComplexV numerator = Pair(0.0, Product(wf, v_.R, v_.R1, v_.C1));
        const ComplexV denominator{
            hn::Add(Broadcast(v_.R1 + v_.R), k.Re),
            hn::Add(hn::Add(Product(wf, v_.C2, v_.R, v_.R1), Product(wf, v_.C1, v_.R, v_.R1)),
                    k.Im)};
        return Div(numerator, denominator);
    }

    ComplexV CouplingNetwork(V wf) const {
        return Div(Pair(0.0, Product(wf, v_.C3, v_.R)),
                   Pair(1.0, Product(wf, v_.C3, v_.R + v_.R3)));
    }

    ComplexV FeedbackFactor(V wf) const {
        const ComplexV p =
            Mul(Pair(1.0, Product(wf, v_.C4, v_.R4)), Pair(1.0, Product(wf, v_.C5, v_.R5)));
        const ComplexV q = Div(Pair(0.0, Product(wf, v_.C5, v_.R4)), p);
        return Div(Pair(1.0, Broadcast(0.0)), {hn::Add(Broadcast(1.0), q.Re), q.Im});
    }

    ComplexV NonInvertingGain(V wf, ComplexV a) const {
        const ComplexV t = Mul(a, FeedbackFactor(wf));
        return Div(a, {hn::Add(Broadcast(1.0), t.Re), t.Im});
    }

    ComplexV OutputCoupling(V wf) const {
        const V x = Product(wf, v_.C6, v_.RL);
        return Div(Pair(0.0, x), Pair(1.0, x));
    }

    const CircuitValues& v_;
};

}  // namespace

void RatioKernelBlock(const CircuitValues& values, const double* frequencies, std::size_t count,
                      double* moduli, double* quotients) {
    const D d;
    const RatioVector ratio(values);
    for (std::size_t i = 0; i < count; i += hn::Lanes(d)) {
        const ComplexV g = ratio.At(hn::LoadU(d, frequencies + i));
        hn::StoreU(hn::Sqrt(hn::Add(hn::Mul(g.Re, g.Re), hn::Mul(g.Im, g.Im))), d, moduli + i);
        if (quotients != nullptr) hn::StoreU(hn::Div(g.Im, g.Re), d, quotients + i);
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
