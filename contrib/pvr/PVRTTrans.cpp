// Point and vector transforms.
#include "contrib/pvr/PVRTTrans.h"

#include "contrib/pvr/PVRTMatrix.h"

namespace {

PVRTVECTOR4f Apply(PVRTMATRIXf const& m, float x, float y, float z, float w)
{
    float const* f = m.f;
    return {f[0] * x + f[4] * y + f[8] * z + f[12] * w, f[1] * x + f[5] * y + f[9] * z + f[13] * w,
        f[2] * x + f[6] * y + f[10] * z + f[14] * w, f[3] * x + f[7] * y + f[11] * z + f[15] * w};
}

} // namespace

void PVRTTransformVec3Array(
    PVRTVECTOR4f* out, int outStride, PVRTVECTOR3f const* in, int inStride, PVRTMATRIXf const* matrix, int count)
{
    for (int i = 0; i < count; ++i) {
        PVRTVECTOR3f const* from
            = reinterpret_cast<PVRTVECTOR3f const*>(reinterpret_cast<char const*>(in) + i * inStride);
        PVRTVECTOR4f* to = reinterpret_cast<PVRTVECTOR4f*>(reinterpret_cast<char*>(out) + i * outStride);
        *to = Apply(*matrix, from->x, from->y, from->z, 1.0f);
    }
}

void PVRTTransformArray(PVRTVECTOR3f* out, PVRTVECTOR3f const* in, int count, PVRTMATRIXf const* matrix, float w)
{
    for (int i = 0; i < count; ++i) {
        PVRTVECTOR4f const v = Apply(*matrix, in[i].x, in[i].y, in[i].z, w);
        out[i] = {v.x, v.y, v.z};
    }
}

void PVRTTransformArrayBack(PVRTVECTOR3f* out, PVRTVECTOR3f const* in, int count, PVRTMATRIXf const* matrix)
{
    PVRTMATRIXf inverse;
    PVRTMatrixIdentityF(inverse);
    PVRTMatrixInverseF(inverse, *matrix);
    PVRTTransformArray(out, in, count, &inverse, 1.0f);
}

void PVRTTransform(PVRTVECTOR4f* out, PVRTVECTOR4f const* in, PVRTMATRIXf const* matrix)
{
    *out = Apply(*matrix, in->x, in->y, in->z, in->w);
}

void PVRTTransformBack(PVRTVECTOR4f* out, PVRTVECTOR4f const* in, PVRTMATRIXf const* matrix)
{
    // Row r: in[r] = sum over c of m[c*4+r] * v[c], the transposed matrix.
    float const target[4] = {in->x, in->y, in->z, in->w};
    float rowData[4][5];
    float* rows[4];
    for (int r = 0; r < 4; ++r) {
        rows[r] = rowData[r];
        rowData[r][0] = target[r];
        for (int c = 0; c < 4; ++c)
            rowData[r][1 + c] = matrix->f[c * 4 + r];
    }
    float result[4];
    PVRTMatrixLinearEqSolveF(result, rows, 4);
    *out = {result[0], result[1], result[2], result[3]};
}
