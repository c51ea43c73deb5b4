#include "analysis/normal_distribution.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using TTable = std::array<double, kNormalTableSize>;

// Built on first use: erfc gives the tail to full precision, kept to eight
// decimals.
const TTable& Table() {
  static const TTable table = [] {
    TTable t{};
    for (int k = 0; k < kNormalTableSize; ++k) {
      const double z = k / 2000.0;
      const double tail = 0.5 * std::erfc(z / std::numbers::sqrt2);
      t[static_cast<std::size_t>(k)] = std::round(tail * 1e8) / 1e8;
    }
    return t;
  }();
  return table;
}

}  // namespace

double NormalDensity(double mean, double deviation, double x) {
  const double z = (x - mean) / deviation;
  return std::exp(-z * z / 2) / std::sqrt(2 * std::numbers::pi);
}

double NormalUpperTail(int k) {
  if (k < 0 || k >= kNormalTableSize) return 0;
  return Table()[static_cast<std::size_t>(k)];
}

double NormalDistribution(double mean, double deviation, double x) {
  double z = (x - mean) / deviation;
  if (std::isnan(z)) z = 0;
  z = std::clamp(z, -3.9995, 3.9995);
  const TTable& t = Table();
  if (z >= 0) return 1 - t[static_cast<std::size_t>(std::trunc(2000 * z))];
  return t[static_cast<std::size_t>(std::trunc(-2000 * z))];
}
