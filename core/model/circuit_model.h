#pragma once

#include <type_traits>

#include "core/model/circuit_values.h"
#include "core/model/complex.h"

namespace amp {

// The constant x as a T: x itself for a double, else in every lane of the LaneVector.
template <class T>
T Constant(double x) {
    if constexpr (std::is_same_v<T, double>) {
        return x;
    } else {
        return T::Splat(x);
    }
}

// The amplifier as the cascade of its five sections, from the component and op-amp values in SI
// units; validates nothing. The number type T is double for one frequency, or a LaneVector with
// one frequency in each lane and each circuit value in every lane, whose + - * / round each lane
// exactly as the double operations do: both give the same bits. The model keeps its own copy of the
// values, so it may outlive them.
//
// Every term w f X Y is formed as ((w f) X) Y, w being 2 pi; a sum of two circuit values is formed
// before it meets the frequency. Both op-amps have the gain OpAmpGain; the running product always
// takes the new section as its second factor.
template <class T>
class CircuitModel {
  public:
    using ComplexT = ComplexOf<T>;

    explicit CircuitModel(const CircuitValuesOf<T>& values) : v_(values) {}

    // Vo/Vi at f.
    ComplexT TransferRatio(T f) const {
        const ComplexT a = OpAmpGain(f);
        ComplexT p = ComplexMul<T>(InputNetwork(f), FollowerGain(a));
        p = ComplexMul<T>(p, CouplingNetwork(f));
        p = ComplexMul<T>(p, NonInvertingGain(f, a));
        return ComplexMul<T>(p, OutputCoupling(f));
    }

    // Avo / (1 + j f Avo / fc): one pole at fc / Avo. The frequency enters without 2 pi.
    ComplexT OpAmpGain(T f) const {
        return ComplexDiv<T>({v_.fc, Constant<T>(0.0)}, {v_.fc / v_.Avo, f});
    }

    // The first op-amp as a unity-gain follower: A / (1 + A), from its gain a = OpAmpGain(f).
    static ComplexT FollowerGain(ComplexT a) {
        return ComplexDiv<T>(a, {a.Re + Constant<T>(1.0), a.Im});
    }

    // C1, R1, R2, R and C2 between the source and the follower:
    // j w R R1 C1 / (R1 + R + j w R R1 (C1 + C2) + R2 (1 + j w C1 R1) (1 + j w C2 R)).
    ComplexT InputNetwork(T f) const {
        const T wf = AngularFrequency(f);
        ComplexT k =
            ComplexMul<T>(Pair(1.0, Term(wf, v_.C1, v_.R1)), Pair(1.0, Term(wf, v_.C2, v_.R)));
        k = {v_.R2 * k.Re, v_.R2 * k.Im};
        const ComplexT numerator = Pair(0.0, Term(wf, v_.R, v_.R1, v_.C1));
        const ComplexT denominator{
            (v_.R1 + v_.R) + k.Re,
            (Term(wf, v_.C2, v_.R, v_.R1) + Term(wf, v_.C1, v_.R, v_.R1)) + k.Im};
        return ComplexDiv<T>(numerator, denominator);
    }

    // C3 into R3 and R between the stages: j w C3 R / (1 + j w C3 (R + R3)).
    ComplexT CouplingNetwork(T f) const {
        const T wf = AngularFrequency(f);
        return ComplexDiv<T>(Pair(0.0, Term(wf, v_.C3, v_.R)),
                             Pair(1.0, Term(wf, v_.C3, v_.R + v_.R3)));
    }

    // The second stage's feedback, R4 parallel to C4 over R5 in series with C5: 1 / (1 + Z4 / Z5).
    ComplexT FeedbackFactor(T f) const {
        const T wf = AngularFrequency(f);
        const ComplexT p =
            ComplexMul<T>(Pair(1.0, Term(wf, v_.C4, v_.R4)), Pair(1.0, Term(wf, v_.C5, v_.R5)));
        const ComplexT q = ComplexDiv<T>(Pair(0.0, Term(wf, v_.C5, v_.R4)), p);
        return ComplexDiv<T>({Constant<T>(1.0), Constant<T>(0.0)}, {Constant<T>(1.0) + q.Re, q.Im});
    }

    // The second op-amp as a non-inverting stage: A / (1 + A beta), from its gain a = OpAmpGain(f).
    ComplexT NonInvertingGain(T f, ComplexT a) const {
        const ComplexT t = ComplexMul<T>(a, FeedbackFactor(f));
        return ComplexDiv<T>(a, {Constant<T>(1.0) + t.Re, t.Im});
    }

    // C6 into the load RL: j X / (1 + j X) with X = w C6 RL.
    ComplexT OutputCoupling(T f) const {
        const T x = Term(AngularFrequency(f), v_.C6, v_.RL);
        return ComplexDiv<T>(Pair(0.0, x), Pair(1.0, x));
    }

  private:
    static T AngularFrequency(T f) { return Constant<T>(kTwoPi) * f; }
    // ((w f) X) Y and (((w f) X) Y) Z.
    static T Term(T wf, T x, T y) { return (wf * x) * y; }
    static T Term(T wf, T x, T y, T z) { return Term(wf, x, y) * z; }
    // (re, im) with a constant real part.
    static ComplexT Pair(double re, T im) { return {Constant<T>(re), im}; }

    CircuitValuesOf<T> v_;
};

}  // namespace amp
