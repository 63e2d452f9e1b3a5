// Fixed-point 2D vector operations.
#include "qrvl/original/framework/FGVector.h"

#include "qrvl/original/framework/FGFixed.h"

#include <climits>
#include <cstdint>

void FGVector::setXY(int fixedX, int fixedY)
{
    x = fixedX;
    y = fixedY;
}

void FGVector::setRTheta(int r, int angle)
{
    x = FGFixed::multiply(r, FGFixed::cos(angle));
    y = FGFixed::multiply(r, FGFixed::sin(angle));
}

int FGVector::getLength() const
{
    // In raw units the length is the root of x x x + y x y; summed wide so
    // that long vectors keep their length.
    uint64_t const square = static_cast<uint64_t>(int64_t{x} * x) + static_cast<uint64_t>(int64_t{y} * y);
    uint32_t const length = FGFixed::integerRoot(square);
    return length > INT_MAX ? INT_MAX : static_cast<int>(length);
}

int FGVector::getAngle() const
{
    return FGFixed::atan2(x, y);
}

void FGVector::addVector(FGVector const& v)
{
    x += v.x;
    y += v.y;
}

void FGVector::subtractVector(FGVector const& v)
{
    x -= v.x;
    y -= v.y;
}

void FGVector::scalarMultiply(int f)
{
    scale(f, false);
}

void FGVector::scalarDivide(int f)
{
    scale(f, true);
}

void FGVector::scale(int f, bool dividing)
{
    // A factor below 1.0 turns into its reciprocal and the opposite operation.
    bool const direct = f >= FGFixed::kOne;
    int const factor = direct ? f : FGFixed::divide(FGFixed::kOne, f);
    int (*const apply)(int, int) = direct != dividing ? FGFixed::multiply : FGFixed::divide;
    x = apply(x, factor);
    y = apply(y, factor);
}

void FGVector::rotate(int angle)
{
    int const c = FGFixed::cos(angle);
    int const s = FGFixed::sin(angle);
    int const rotatedX = FGFixed::multiply(x, c) - FGFixed::multiply(y, s);
    y = FGFixed::multiply(x, s) + FGFixed::multiply(y, c);
    x = rotatedX;
}

void FGVector::normalize()
{
    scalarDivide(getLength());
}

void FGVector::setLength(int length)
{
    int const old = getLength();
    x = FGFixed::divide(FGFixed::multiply(x, length), old);
    y = FGFixed::divide(FGFixed::multiply(y, length), old);
}

FGString FGVector::toFGString() const
{
    FGString text("(");
    text.add(FGFixed::toFGString(x));
    text.add(", ");
    text.add(FGFixed::toFGString(y));
    text.add(")");
    return text;
}
