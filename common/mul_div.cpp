#include "mul_div.h"

namespace {

unsigned Magnitude(int value) {
    return value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
}

} // namespace

int RoundedMulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    bool negative = ((number < 0) != (numerator < 0)) != (denominator < 0);
    // In double, whose 53 bits hold the product of the sizes, units and DPIs used here
    // exactly: a 64-bit division would pull the runtime's division routines into the 32-bit
    // programs.
    double quotient =
        static_cast<double>(Magnitude(number)) * Magnitude(numerator) / Magnitude(denominator) +
        0.5;
    if (quotient >= 2147483648.0)
        return -1;
    int result = static_cast<int>(quotient);
    return negative ? -result : result;
}
