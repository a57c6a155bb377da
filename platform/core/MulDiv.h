#pragma once

// number * numerator / denominator computed without intermediate overflow and rounded to the
// nearest integer, halves away from zero. A zero denominator, or a result that does not fit in
// an int, gives -1.
int MulDiv(int number, int numerator, int denominator);
