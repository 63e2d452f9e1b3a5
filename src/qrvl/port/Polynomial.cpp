// Arithmetic of the curves' degree-two polynomials.
#include "qrvl/port/Polynomial.h"

Polynomial& Polynomial::operator=(float constant)
{
    c[0] = constant;
    c[1] = 0.0f;
    c[2] = 0.0f;
    return *this;
}

Polynomial& Polynomial::operator+=(Polynomial const& other)
{
    for (int i = 0; i < 3; ++i)
        c[i] += other.c[i];
    return *this;
}

Polynomial Polynomial::operator+(Polynomial const& other) const
{
    Polynomial sum = *this;
    return sum += other;
}

Polynomial Polynomial::operator*(float factor) const
{
    Polynomial scaled = *this;
    for (float& coefficient : scaled.c)
        coefficient *= factor;
    return scaled;
}

Polynomial Polynomial::operator/(float divisor) const
{
    Polynomial scaled = *this;
    for (float& coefficient : scaled.c)
        coefficient /= divisor;
    return scaled;
}

Polynomial Polynomial::operator*(Polynomial const& other) const
{
    Polynomial product;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; i + j < 3; ++j)
            product.c[i + j] += c[i] * other.c[j];
    }
    return product;
}

bool Polynomial::operator!=(float value) const
{
    return c[0] != value || c[1] != value || c[2] != value;
}
