#include "figure.h"

std::uint32_t SeedOf(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                     unsigned second) {
    return 365u * year + 30u * month + 1440u * day + 60u * hour + 60u * minute + second;
}

int RandomGenerator::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}
