// number × numerator / denominator as Windows' MulDiv works it out, in plain code: rounded to
// the nearest, halves away from zero; -1 for a denominator of 0 or a result past an int.
#ifndef COMMON_MUL_DIV_H
#define COMMON_MUL_DIV_H

int RoundedMulDiv(int number, int numerator, int denominator);

#endif
