// The matrix and vector steps that the float and the 16.16 fixed-point
// libraries share, written once over an arithmetic policy. A policy names
// the number type (Number), its one (One) and its Mul and Div.
#pragma once

#include <cstring>

namespace PVRTMatrixOps {

template <class Arith, class Matrix>
void Identity(Matrix& m)
{
    for (int i = 0; i < 16; ++i)
        m.f[i] = (i % 5 == 0) ? Arith::One : 0;
}

// out[i*4+j] = sum of a[i*4+k] * b[k*4+j]; every input is read before the
// first write, so out may be a or b.
template <class Arith, class Matrix>
void Multiply(Matrix& out, Matrix const& a, Matrix const& b)
{
    Matrix product;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            product.f[i * 4 + j] = Arith::Mul(a.f[i * 4 + 0], b.f[0 * 4 + j])
                + Arith::Mul(a.f[i * 4 + 1], b.f[1 * 4 + j]) + Arith::Mul(a.f[i * 4 + 2], b.f[2 * 4 + j])
                + Arith::Mul(a.f[i * 4 + 3], b.f[3 * 4 + j]);
    out = product;
}

template <class Arith, class Matrix, class Number>
void Translation(Matrix& m, Number tx, Number ty, Number tz)
{
    Identity<Arith>(m);
    m.f[12] = tx;
    m.f[13] = ty;
    m.f[14] = tz;
}

template <class Arith, class Matrix, class Number>
void Scaling(Matrix& m, Number sx, Number sy, Number sz)
{
    std::memset(m.f, 0, sizeof m.f);
    m.f[0] = sx;
    m.f[5] = sy;
    m.f[10] = sz;
    m.f[15] = Arith::One;
}

// A rotation in the plane of axes a and b (0 x, 1 y, 2 z) from its cosine
// and sine: f[a*4+a] = f[b*4+b] = c, f[b*4+a] = s, f[a*4+b] = -s.
template <class Arith, class Matrix, class Number>
void PlaneRotation(Matrix& m, Number c, Number s, int a, int b)
{
    Identity<Arith>(m);
    m.f[a * 4 + a] = c;
    m.f[b * 4 + b] = c;
    m.f[b * 4 + a] = s;
    m.f[a * 4 + b] = -s;
}

// Perspective projection from the cotangent of half the field of view:
// f[0] = cot / aspect, f[5] = cot and the three depth elements given;
// rotated, it is followed by `turn` (quarter turn about Z).
template <class Arith, class Matrix, class Number>
void Perspective(Matrix& out, Number f0, Number f5, Number f10, Number f11, Number f14, Matrix const* turn)
{
    Matrix p;
    std::memset(p.f, 0, sizeof p.f);
    p.f[0] = f0;
    p.f[5] = f5;
    p.f[10] = f10;
    p.f[11] = f11;
    p.f[14] = f14;
    if (turn)
        Multiply<Arith>(out, p, *turn);
    else
        out = p;
}

// Orthographic projection with its depth offset in the translation element
// f[14], so that w stays 1; rotated, `turn` is applied first.
template <class Arith, class Matrix, class Number>
void Ortho(Matrix& out, Number f0, Number f5, Number f10, Number f14, Matrix const* turn)
{
    Matrix o;
    std::memset(o.f, 0, sizeof o.f);
    o.f[0] = f0;
    o.f[5] = f5;
    o.f[10] = f10;
    o.f[14] = f14;
    o.f[15] = Arith::One;
    if (turn)
        Multiply<Arith>(out, *turn, o);
    else
        out = o;
}

template <class Matrix>
void Transpose(Matrix& out, Matrix const& in)
{
    Matrix result;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            result.f[i * 4 + j] = in.f[j * 4 + i];
    out = result;
}

// The rows hold row[0] = row[1]*x0 + ... + row[n]*x(n-1); they are changed
// in place. Pivots on the last row with a non-zero last coefficient.
template <class Arith>
void LinearEqSolve(typename Arith::Number* result, typename Arith::Number** rows, int n)
{
    typedef typename Arith::Number Number;
    if (n == 1) {
        result[0] = Arith::Div(rows[0][0], rows[0][1]);
        return;
    }
    for (int i = n - 1; i >= 0; --i) {
        if (rows[i][n] != 0) {
            if (i != n - 1)
                for (int j = 0; j <= n; ++j) {
                    Number const kept = rows[i][j];
                    rows[i][j] = rows[n - 1][j];
                    rows[n - 1][j] = kept;
                }
            break;
        }
    }
    Number const* last = rows[n - 1];
    for (int i = 0; i < n - 1; ++i) {
        Number const factor = Arith::Div(rows[i][n], last[n]);
        for (int j = 0; j < n; ++j)
            rows[i][j] -= Arith::Mul(last[j], factor);
    }
    LinearEqSolve<Arith>(result, rows, n - 1);
    Number sum = last[0];
    for (int k = 1; k < n; ++k)
        sum -= Arith::Mul(last[k], result[k - 1]);
    result[n - 1] = Arith::Div(sum, last[n]);
}

// General inverse: one linear system per column of the result.
template <class Arith, class Matrix>
void InverseEx(Matrix& out, Matrix const& in)
{
    typedef typename Arith::Number Number;
    Matrix identity;
    Identity<Arith>(identity);
    Matrix result;
    for (int i = 0; i < 4; ++i) {
        Number rowData[4][5];
        Number* rows[4];
        for (int j = 0; j < 4; ++j) {
            rows[j] = rowData[j];
            rowData[j][0] = identity.f[j * 4 + i];
            std::memcpy(&rowData[j][1], &in.f[j * 4], 4 * sizeof(Number));
        }
        Number solution[4];
        LinearEqSolve<Arith>(solution, rows, 4);
        for (int k = 0; k < 4; ++k)
            result.f[k * 4 + i] = solution[k];
    }
    out = result;
}

template <class Arith, class Vector>
void Vec3Lerp(Vector& out, Vector const& a, Vector const& b, typename Arith::Number t)
{
    out.x = a.x + Arith::Mul(b.x - a.x, t);
    out.y = a.y + Arith::Mul(b.y - a.y, t);
    out.z = a.z + Arith::Mul(b.z - a.z, t);
}

template <class Arith, class Vector>
typename Arith::Number Vec3Dot(Vector const& a, Vector const& b)
{
    return Arith::Mul(a.x, b.x) + Arith::Mul(a.y, b.y) + Arith::Mul(a.z, b.z);
}

template <class Arith, class Vector>
void Vec3Cross(Vector& out, Vector const& a, Vector const& b)
{
    Vector const result = {Arith::Mul(a.y, b.z) - Arith::Mul(a.z, b.y), Arith::Mul(a.z, b.x) - Arith::Mul(a.x, b.z),
        Arith::Mul(a.x, b.y) - Arith::Mul(a.y, b.x)};
    out = result;
}

// View matrix: rows side, up and -forward, after the translation by -eye.
// Normalize(out, in) is the policy's vector normalisation.
template <class Arith, class Matrix, class Vector>
void LookAt(Matrix& out, Vector const& eye, Vector const& at, Vector const& up, bool rightHanded)
{
    Vector forward = rightHanded ? Vector {at.x - eye.x, at.y - eye.y, at.z - eye.z}
                                 : Vector {eye.x - at.x, eye.y - at.y, eye.z - at.z};
    Arith::Normalize(forward, forward);
    Vector upNormal;
    Arith::Normalize(upNormal, up);
    Vector side, up2;
    Vec3Cross<Arith>(side, forward, upNormal);
    Vec3Cross<Arith>(up2, side, forward);

    Matrix rotation;
    Identity<Arith>(rotation);
    rotation.f[0] = side.x;
    rotation.f[4] = side.y;
    rotation.f[8] = side.z;
    rotation.f[1] = up2.x;
    rotation.f[5] = up2.y;
    rotation.f[9] = up2.z;
    rotation.f[2] = -forward.x;
    rotation.f[6] = -forward.y;
    rotation.f[10] = -forward.z;

    Matrix translation;
    Translation<Arith>(translation, -eye.x, -eye.y, -eye.z);
    Multiply<Arith>(out, translation, rotation);
}

} // namespace PVRTMatrixOps
