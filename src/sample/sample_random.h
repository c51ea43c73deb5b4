// The random numbers of the sample racing world: a small, fast generator
// whose sequence is the same on every machine and compiler for a seed.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sample {

class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) {
    std::uint64_t s = seed;
    for (std::uint64_t& word : state_) word = SplitMix(s);
  }

  // An independent stream for one purpose, the same for the same seed and
  // tag whatever else has been drawn from this one.
  TRandom Fork(std::string_view tag) const {
    std::uint64_t h = 1469598103934665603ULL ^ state_[0];
    for (char c : tag) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return TRandom(h);
  }
  TRandom Fork(std::uint64_t tag) const { return TRandom(state_[1] ^ (tag * 0x9E3779B97F4A7C15ULL)); }

  std::uint64_t Next() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
  }

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform integer in [low, high].
  int Int(int low, int high) {
    if (high <= low) return low;
    return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool Chance(double p) { return Uniform() < p; }
  // Standard normal (Box-Muller, one value per call).
  double Normal() {
    double u1 = Uniform();
    double u2 = Uniform();
    if (u1 < 1e-300) u1 = 1e-300;
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
  }
  double Normal(double mean, double sd) { return mean + sd * Normal(); }
  // An index drawn with the given non-negative weights (0 when all are 0).
  std::size_t Pick(const std::vector<double>& weights) {
    double total = 0;
    for (double w : weights) total += w;
    if (total <= 0) return 0;
    double x = Uniform() * total;
    for (std::size_t i = 0; i < weights.size(); ++i) {
      x -= weights[i];
      if (x < 0) return i;
    }
    return weights.size() - 1;
  }
  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      std::size_t j = static_cast<std::size_t>(Next() % i);
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static std::uint64_t SplitMix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint64_t state_[4];
};

}  // namespace sample
