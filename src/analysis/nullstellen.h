#pragma once

#include <span>
#include <vector>

#include "model/polynom.h"

namespace quarvel {

// All real roots of p in ascending order, each found once. Up to degree 2 in closed form;
// from degree 3 on every root is bracketed between neighbouring stationary points (the
// roots of p', found the same way), bisected, polished by one Newton step and snapped to
// `dezimalen` decimals where the rounded value is still a root inside its own bracket.
std::vector<double> nullstMenge(const Polynom& p, int dezimalen);

// The roots of p and of its first derivatives from one pass down the derivative chain:
// entry k equals nullstMenge of the k-th derivative, for k = 0 … anzahl - 1.
std::vector<std::vector<double>> nullstellenDerAbleitungen(const Polynom& p, int anzahl,
                                                           int dezimalen);

// The roots of one polynomial twice, same order and length: as shown (snapped to the
// decimals where the rounded value is still a root) and unsnapped. Multiplicities and
// kinds are decided on the unsnapped positions; a multiple root has the same unsnapped
// position in every derivative it is a root of.
struct Nullstellen {
  std::vector<double> gezeigt;
  std::vector<double> roh;
};
std::vector<Nullstellen> nullstellenMitRoh(const Polynom& p, int anzahl, int dezimalen);

// p times the power of two that brings its largest coefficient into [1, 2). Exact, and the
// same for p and every c·p up to the rounding of c·p's coefficients, so the zero tests of
// the root finder give the same answers at every scale.
Polynom aufEinsSkaliert(const Polynom& p);

// A quadratic whose discriminant is negative: its vertex as a double root when the vertex
// value is zero within the rounding error of evaluating it, else nothing.
std::vector<double> n2Menge(const Polynom& p);

// An approximate root with the open interval it was found in; its snap must stay inside.
struct Nullstellenkandidat {
  double x = 0;
  double links = 0;
  double rechts = 0;
};

// Each candidate polished by one Newton step and snapped to `dezimalen` decimals when the
// rounded value is a root of p within the candidate's interval; same order and length.
std::vector<double> newton(const Polynom& p, std::span<const Nullstellenkandidat> nM,
                           int dezimalen);

// Whether p(x) is zero up to the rounding error of evaluating it at x, on p scaled by
// aufEinsSkaliert: below 1e-15, or within the running error bound of Horner's scheme (a small
// multiple of the machine epsilon times the sum of |a_i|·|x|^i). Near a multiple root the computed
// value is pure rounding noise, usually far above 1e-15 once the coefficients are of ordinary size.
bool wertIstNull(const Polynom& p, double x);

}  // namespace quarvel
