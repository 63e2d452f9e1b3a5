// Reads animations described in XML into animated surfaces.
#include "norv/graphics/AnimImageLoader.h"

#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"
#include "norv/graphics/AnimatedSurface.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/LoadSurface.h"

#include <cstdio>

namespace Norv {

namespace {

// What an animation file starts with.
char const kXmlDeclaration[] = "<?xml version=\"1.0\"";

// Frames are still images. Set while an animation's frames load, so an
// animation named as a frame (itself, or one naming it back) is refused
// instead of being read over and over without end.
thread_local bool loadingFrames = false;

SmartPtr<Surface> LoadFrameImage(NarrowString const& name)
{
    if (g_assetDict)
        return g_assetDict->Get<Surface>(name, false);
    return LoadSurface(name);
}

} // namespace

bool AnimImageLoader::Compatible(SeekableStream* stream)
{
    return StartsWith(stream, kXmlDeclaration, sizeof kXmlDeclaration - 1);
}

Surface* AnimImageLoader::Read()
{
    if (loadingFrames) {
        std::fprintf(stderr, "An animation frame cannot be an animation\n");
        return nullptr;
    }
    SmartPtr<Xml> document(Xml::LoadFromFile(stream.Get()));
    if (!document || !document->GetTree())
        return nullptr;
    XmlIt const root(document->GetTree());
    bool loop = false;
    root.GetAttribute("loop", loop);
    NarrowString script;
    bool const scripted = root.GetAttribute("script", script);
    std::vector<AnimatedSurface::Frame> frames;
    for (XmlIt element(root, "frame"); element; ++element) {
        NarrowString image;
        int milliseconds = 0;
        AnimatedSurface::Frame frame;
        element.GetAttribute("image", image);
        element.GetAttribute("time", milliseconds);
        element.GetAttribute("x", frame.x);
        element.GetAttribute("y", frame.y);
        loadingFrames = true;
        frame.surface = LoadFrameImage(image);
        loadingFrames = false;
        frame.time = static_cast<float>(milliseconds / 1000.0);
        frames.push_back(frame);
    }
    if (!AnimatedSurface::IsValidFrameList(frames)) {
        std::fprintf(stderr, "Animation without frames, or with a frame image that does not load\n");
        return nullptr;
    }
    return new AnimatedSurface(frames, loop, scripted ? script.c_str() : nullptr);
}

} // namespace Norv
