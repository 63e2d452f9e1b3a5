// A 2D vector of two 24.8 fixed-point components.
#pragma once

#include "qrvl/original/framework/FGString.h"

class FGVector {
public:
    int x = 0;
    int y = 0;

    FGVector() = default;
    FGVector(int fixedX, int fixedY) : x(fixedX), y(fixedY) {}

    void set(FGVector const& v) { *this = v; }
    void setXY(int fixedX, int fixedY);
    bool equals(FGVector const& v) const { return x == v.x && y == v.y; }
    // Length r in the direction of the angle.
    void setRTheta(int r, int angle);
    int getLength() const;
    int getAngle() const;
    void addVector(FGVector const& v);
    void subtractVector(FGVector const& v);
    // Factors below 1.0 are applied through their reciprocal, which keeps
    // the precision of small factors.
    void scalarMultiply(int f);
    void scalarDivide(int f);
    void rotate(int angle);
    // A zero vector stays zero.
    void normalize();
    void setLength(int length);
    // "(x, y)" in decimal.
    FGString toFGString() const;

private:
    void scale(int f, bool dividing);
};
