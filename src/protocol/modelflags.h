#pragma once
// What the version answer tells about the device: model, firmware variant and
// the facts that follow from them. Filled by detectModel() (modeldetect.h).
#include <QString>

struct ModelFlags
{
    QString versionText; // after "VER?", starting with ":" ; e.g. ":T47_V1.05"

    bool baseStation = false;
    bool pstnBase = false;
    bool hubFamily = false;
    bool supportedModel = false;

    bool modelT47 = false, modelT37 = false, modelT35 = false, modelT9 = false, modelT2 = false,
         modelG7H = false, modelKUV = false, modelT6QXP9 = false, modelT6QX = false,
         modelT6 = false, modelT4 = false;

    bool variantPV = false, variantYD = false, variantHP = false, variantRK = false,
         variantZO = false, variantNBQ = false, variantZM = false, variantXA = false,
         variantBX = false, variantQO = false, variantKAL = false;

    int destinationCount = 0; // 5 for every supported model
    int geoFenceCount = 0; // 3 for every supported model
    bool extendedFormat = false; // read uses CFG1?/CFG2?
    bool speechAck = false; // sticky: once set it stays set for the run
    bool sleepModeShown = false; // version holds "T47", "T41" or "T68"

    // T47, T37, T6_QX, T6_QX_P9, T35 or T9: the branch-B family of the chains.
    bool t47Family() const
    {
        return modelT47 || modelT37 || modelT6QX || modelT6QXP9 || modelT35 || modelT9;
    }
    // Base station, supported model or the T47 family: GPS tracker frame
    // without TRACR, whole sensor list read page by page.
    bool knownDevice() const { return baseStation || supportedModel || t47Family(); }
    // Fences carry their number (extended format) once a supported version was read.
    bool extendedFence() const
    {
        return supportedModel || modelT37 || modelT6QX || modelT6QXP9 || modelT35 || modelT9
            || modelT2;
    }
    // The language selector is shown for a T47 with the _XA variant group.
    bool languageShown() const { return modelT47 && variantXA; }
};
