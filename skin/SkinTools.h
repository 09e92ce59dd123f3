#pragma once
// The picture work of the skin engine in one include.
#include "skin/BitmapTools.h"
#include "skin/PaintBitmap.h"
#include "skin/Regions.h"
#include "skin/SkinTypes.h"
