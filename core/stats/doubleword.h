#ifndef MERVANE_CORE_STATS_DOUBLEWORD_H
#define MERVANE_CORE_STATS_DOUBLEWORD_H

// Double-word arithmetic: a number held as an unevaluated sum hi + lo of two
// doubles, |lo| <= ulp(hi) / 2, about 106 bits. The algorithms and their
// relative error bounds, u = 2^-53, are those of Joldes, Muller and Popescu,
// "Tight and rigorous error bounds for basic building blocks of double-word
// arithmetic", ACM TOMS 44(2), 2017. They need round-to-nearest and no fused
// multiply-add the code did not ask for (the build sets -ffp-contract=off).
// Valid while no intermediate overflows or underflows; the callers keep their
// operands between 2^-960 and 2^960.

#include <cmath>
#include <cstdint>

// On x86-64 without a fused multiply-add in the baseline, the functions that
// use these are also compiled for processors that have one, chosen when the
// program loads; inside them TwoProd's fma is a single instruction.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__FMA__)
#define MERVANE_FMA_CLONES __attribute__((target_clones("fma", "default")))
#define MERVANE_INLINE [[gnu::always_inline]] inline
#define MERVANE_TWOPROD_FMA 1
#else
#define MERVANE_FMA_CLONES
#define MERVANE_INLINE inline
#if defined(__FMA__)
#define MERVANE_TWOPROD_FMA 1
#endif
#endif

namespace core::dw {

// std::bit_cast, which emscripten's C++ library lacks.
template <class To, class From>
constexpr To BitCast(const From& from)
{
    return __builtin_bit_cast(To, from);
}

struct Dw {
    double hi = 0;
    double lo = 0;
};

// a + b exactly, given |a| >= |b| or a = 0.
MERVANE_INLINE Dw FastTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly.
MERVANE_INLINE Dw TwoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a * b exactly: with a fused multiply-add (a library call where the
// processor has none, still exact), else by Veltkamp's splitting (Dekker),
// |a|, |b| < 2^995.
MERVANE_INLINE Dw TwoProd(double a, double b)
{
    const double p = a * b;
#if defined(MERVANE_TWOPROD_FMA)
    return {p, std::fma(a, b, -p)};
#else
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double ta = kSplitter * a, tb = kSplitter * b;
    const double ah = ta - (ta - a), al = a - ah;
    const double bh = tb - (tb - b), bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
#endif
}

MERVANE_INLINE Dw Neg(Dw x) { return {-x.hi, -x.lo}; }
// 2^k for -1022 <= k <= 1023, without a library call.
MERVANE_INLINE double Pow2(int k) { return BitCast<double>(static_cast<std::uint64_t>(k + 1023) << 52); }

// x 2^k, exact while nothing underflows; |k| < 2046.
MERVANE_INLINE double Scale(double x, int k) { return x * Pow2(k / 2) * Pow2(k - k / 2); }
MERVANE_INLINE Dw Scale(Dw x, int k) { return {Scale(x.hi, k), Scale(x.lo, k)}; }

// DWPlusFP: error below 2u^2.
MERVANE_INLINE Dw Add(Dw x, double y)
{
    const Dw s = TwoSum(x.hi, y);
    return FastTwoSum(s.hi, x.lo + s.lo);
}

// AccurateDWPlusDW: error below 3u^2 + 13u^3.
MERVANE_INLINE Dw Add(Dw x, Dw y)
{
    const Dw s = TwoSum(x.hi, y.hi);
    const Dw t = TwoSum(x.lo, y.lo);
    const Dw v = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(v.hi, t.lo + v.lo);
}

// DWTimesFP1: error below 1.5u^2 + 4u^3.
MERVANE_INLINE Dw Mul(Dw x, double y)
{
    const Dw c = TwoProd(x.hi, y);
    const Dw t = FastTwoSum(c.hi, x.lo * y);
    return FastTwoSum(t.hi, t.lo + c.lo);
}

// DWTimesDW1: error below 7u^2.
MERVANE_INLINE Dw Mul(Dw x, Dw y)
{
    const Dw c = TwoProd(x.hi, y.hi);
    const double cross = x.hi * y.lo + x.lo * y.hi;
    return FastTwoSum(c.hi, c.lo + cross);
}

// DWDivFP3 with TwoProd: error below 3u^2.
MERVANE_INLINE Dw Div(Dw x, double y)
{
    const double th = x.hi / y;
    const Dw p = TwoProd(th, y);
    const double d = ((x.hi - p.hi) - p.lo) + x.lo;
    return FastTwoSum(th, d / y);
}

// x + y where |y| <= |x| / 2, as in a Horner step: TwoSum, then the low
// parts added. The two roundings cost u(|x.lo| + |y.lo| + |s.lo|) <=
// 3u^2 (|x| + |y|), which is below 9u^2 of |x + y| when |y| <= |x| / 2.
MERVANE_INLINE Dw AddSmaller(Dw x, Dw y)
{
    const Dw s = TwoSum(x.hi, y.hi);
    return FastTwoSum(s.hi, s.lo + (x.lo + y.lo));
}

// The sum of c[n] t^n for n below `terms`: the first `wide` coefficients
// are double-words (hi[n] + lo[n]) and summed as such; the rest are doubles,
// summed in double at t.hi, where they are small enough for that. At each
// step the rest of the sum is at most half the term (tools/normaltables
// checks it).
MERVANE_INLINE Dw Horner(const double* hi, const double* lo, int terms, int wide, Dw t)
{
    double s = hi[terms - 1];
    for (int n = terms - 2; n >= wide; --n)
        s = hi[n] + t.hi * s;
    Dw acc{s, 0};
    for (int n = wide - 1; n >= 0; --n)
        acc = AddSmaller(Dw{hi[n], lo[n]}, Mul(t, acc));
    return acc;
}

}  // namespace core::dw

#endif
