// A polynomial of degree two at most in the curve parameter u, the
// building block of the board's path curves.
#pragma once

class Polynomial {
public:
    Polynomial() = default;
    // slope * u + constant.
    Polynomial(float slope, float constant) : c {constant, slope, 0.0f} {}

    Polynomial& operator=(float constant);
    Polynomial& operator+=(Polynomial const& other);
    Polynomial operator+(Polynomial const& other) const;
    Polynomial operator*(float factor) const;
    Polynomial operator/(float divisor) const;
    // Terms above degree two are dropped.
    Polynomial operator*(Polynomial const& other) const;
    // True when any coefficient differs from the value.
    bool operator!=(float value) const;

    float Evaluate(float u) const { return c[0] + c[1] * u + c[2] * u * u; }
    float EvaluateDifferential(float u) const { return c[1] + 2.0f * c[2] * u; }

private:
    float c[3] = {0.0f, 0.0f, 0.0f};
};
