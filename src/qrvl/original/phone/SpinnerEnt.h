// The spinner wheel: a model with a sharp face and a motion-blurred one,
// each with its normal map, drawn turned by the spinner motion's angle;
// the blurred pair shows once the wheel turns fast.
#pragma once

#include "qrvl/original/phone/CEnt.h"
#include "qrvl/original/phone/CEntImpl.h"

class SpinnerEntImpl : public CEntImpl {
public:
    // Texture slots.
    enum { kSharpBase, kSharpNormals, kBlurredBase, kBlurredNormals, kSlots };

    ~SpinnerEntImpl() override;
    // The model, then its first material's texture stem + ".pvr",
    // "_blur.pvr", "Normal.pvr" and "Normal_blur.pvr"; without materials
    // "Basetex.pvr" and "Normalmap.pvr". The folder is not prefixed to the
    // textures' names.
    void Load(char const* file, char const* folder) override;
};

class SpinnerEnt : public CEnt {
public:
    explicit SpinnerEnt(SpinnerEntImpl& model) : CEnt(model) {}

    void Update(float seconds) override;
    // The wheel where its model's first node stands, turned by the motion.
    void Render() override;
};
