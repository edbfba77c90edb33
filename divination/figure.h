// Window-free rules of the figures: numbering, list labels and the casting generator.
#pragma once
#include <cstdint>

constexpr int kCountChoices = 5;

inline int FigureId(int upper, int middle, int lower) { return 100 * upper + 10 * middle + lower; }

// Seed from a UTC time; hour and minute both weigh 60 (kept as the casts have always been drawn).
std::uint32_t SeedOf(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                     unsigned second);

// One linear congruential generator for the whole program.
class RandomGenerator {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t State() const { return state_; }
    int Next();  // 0..32767
    int NextCount() { return Next() % kCountChoices; }

private:
    std::uint32_t state_ = 1;
};
